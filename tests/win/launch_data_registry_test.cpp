// Launch data from the registry: the key's default value or a named REG_SZ value under
// HKEY_LOCAL_MACHINE, in the 32-bit view, trimmed and extended as the region asks.
#include <windows.h>

#include "actions/launch_data_registry.h"
#include "config/private_profile_reader.h"
#include "config/program_model_context.h"
#include "disc_fixture.h"
#include "screens/screen_model.h"

namespace lumora::testing {
namespace {

constexpr char kKey[] = "Software\\Lumora Tests\\Launch Data";

class LaunchDataRegistryTest : public DiscFixture {
  protected:
    void SetUp() override {
        DiscFixture::SetUp();
        ASSERT_EQ(::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0,
                                    KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        ::RegCloseKey(key_);
        ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
        DiscFixture::TearDown();
    }

    void SetValue(const char* name, DWORD type, const std::string& text) {
        ASSERT_EQ(::RegSetValueExA(key_, name, 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                                   static_cast<DWORD>(text.size() + 1)),
                  ERROR_SUCCESS);
    }

    // The launch data of a region section with these keys.
    std::optional<std::string> Resolve(const std::string& keys) {
        WriteIni("[Main-Region App]\n" + keys);
        const RegionSpec region =
            LoadRegionSpec(PrivateProfileReader(), "Main", "App", ProgramModelContext());
        return region.action.registry ? ResolveLaunchData(*region.action.registry) : std::nullopt;
    }

    HKEY key_ = nullptr;
};

TEST_F(LaunchDataRegistryTest, DefaultValueOfTheKey) {
    SetValue(nullptr, REG_SZ, "C:\\App\\app.exe");
    EXPECT_EQ(Resolve(std::string("RegistryKey=") + kKey + "\n"), "C:\\App\\app.exe");
    // Subtract 7, then append.
    EXPECT_EQ(Resolve(std::string("RegistryKey=") + kKey +
                      "\nRegistrySubtract=7\nRegistryAppend=run.exe\n"),
              "C:\\App\\run.exe");
    // More than the text: empty, which is not nothing.
    EXPECT_EQ(Resolve(std::string("RegistryKey=") + kKey + "\nRegistrySubtract=99\n"), "");
    // The text is not expanded as a path.
    SetValue(nullptr, REG_SZ, "%r\\app.exe");
    EXPECT_EQ(Resolve(std::string("RegistryKey=") + kKey + "\n"), "%r\\app.exe");
}

TEST_F(LaunchDataRegistryTest, NamedStringValue) {
    SetValue("Path", REG_SZ, "D:\\Demo\\demo.exe");
    SetValue("Expand", REG_EXPAND_SZ, "%SystemRoot%\\notepad.exe");
    const std::string key = std::string("RegistryKey=") + kKey + "\n";
    EXPECT_EQ(Resolve(key + "RegistryData=Path\n"), "D:\\Demo\\demo.exe");
    EXPECT_EQ(Resolve(key + "RegistryData=Path\nRegistryAppend=\" /x\"\n"),
              "D:\\Demo\\demo.exe /x");
    // Only REG_SZ counts.
    EXPECT_EQ(Resolve(key + "RegistryData=Expand\n"), std::nullopt);
    EXPECT_EQ(Resolve(key + "RegistryData=Missing\n"), std::nullopt);
}

TEST_F(LaunchDataRegistryTest, TextsThatDoNotFit512BytesCountAsNothing) {
    const std::string fits(511, 'a');
    SetValue("Fits", REG_SZ, fits);
    SetValue("Long", REG_SZ, std::string(512, 'b'));
    const std::string key = std::string("RegistryKey=") + kKey + "\n";
    EXPECT_EQ(Resolve(key + "RegistryData=Fits\n"), fits);
    EXPECT_EQ(Resolve(key + "RegistryData=Long\n"), std::nullopt);
}

TEST_F(LaunchDataRegistryTest, NoKeyOrAMissingKeyGivesNothing) {
    EXPECT_EQ(Resolve("RegistryData=Path\n"), std::nullopt);
    EXPECT_EQ(Resolve("RegistryKey=Software\\Lumora Tests\\Nowhere\n"), std::nullopt);
}

}  // namespace
}  // namespace lumora::testing
