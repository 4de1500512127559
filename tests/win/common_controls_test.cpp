#include "win/common_controls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace lumora {
namespace {

// Loaded once, by the manifest's side-by-side redirection: the visual-styles version 6 from its
// own folder, not the version 5 of the system folder.
TEST(CommonControls, LoadOnceInTheManifestsVersion) {
    const HMODULE controls = CommonControls();
    ASSERT_NE(controls, nullptr);
    EXPECT_EQ(CommonControls(), controls);
    char path[MAX_PATH] = {};
    ASSERT_NE(::GetModuleFileNameA(controls, path, MAX_PATH), 0u);
    std::string folder(path);
    std::transform(folder.begin(), folder.end(), folder.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    EXPECT_NE(folder.find("microsoft.windows.common-controls_6595b64144ccf1df_6."),
              std::string::npos)
        << path;
}

}  // namespace
}  // namespace lumora
