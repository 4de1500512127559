#include <gtest/gtest.h>

#include "config/settings.h"
#include "ini_test_folder.h"

namespace lumora {
namespace {

using testing::IniTestFolder;

std::string Expanded(std::string path) {
    ExpandPathMacros(path);
    return path;
}

bool IsFolder(const std::string& path) {
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFile(const std::string& path) {
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The short form of a folder as the system gives it, for comparison.
std::string ShortForm(const std::string& path) {
    char shortPath[MAX_PATH] = {};
    ::GetShortPathNameA(path.c_str(), shortPath, MAX_PATH);
    return shortPath;
}

class PathMacrosTest : public ::testing::Test {
  protected:
    ~PathMacrosTest() override { FreeProgramSettings(); }
    IniTestFolder folder;
};

TEST_F(PathMacrosTest, ProgramFolderAndItsDrive) {
    folder.AddFile("start.wav");
    EXPECT_EQ(Expanded("%r\\start.wav"), folder.directory() + "start.wav");
    EXPECT_EQ(Expanded("%rstart.wav"), folder.directory() + "start.wav");
    EXPECT_TRUE(IsFile(Expanded("%r\\start.wav")));
    EXPECT_EQ(folder.directory().find(' '), std::string::npos) << "the short form is used";

    const std::string drive = Expanded("%d");
    EXPECT_EQ(drive, folder.directory().substr(0, 3));
    EXPECT_TRUE(IsFolder(drive));
    EXPECT_EQ(drive.substr(1), ":\\");
}

TEST_F(PathMacrosTest, SystemAndWindowsFoldersInShortForm) {
    char system[MAX_PATH] = {};
    ::GetSystemDirectoryA(system, MAX_PATH);
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);

    const std::string systemFolder = Expanded("%s");
    EXPECT_EQ(systemFolder, ShortForm(system) + "\\");
    EXPECT_TRUE(IsFolder(systemFolder));
    EXPECT_TRUE(IsFile(Expanded("%s\\kernel32.dll")));
    EXPECT_EQ(Expanded("%skernel32.dll"), Expanded("%s\\kernel32.dll"));

    const std::string windowsFolder = Expanded("%w");
    EXPECT_EQ(windowsFolder, ShortForm(windows) + "\\");
    EXPECT_TRUE(IsFolder(windowsFolder));
    EXPECT_EQ(Expanded("%w\\system32"), windowsFolder + "system32");
}

TEST_F(PathMacrosTest, InstallFolderComesFromTheLoadedSettings) {
    EXPECT_EQ(Expanded("%i\\GAME.EXE"), "%i\\GAME.EXE") << "no Install list yet";
    folder.WriteIni("[Config]\r\nInstall=%r\\DATA\\|second\r\nStartSound=%i\\start.wav\r\n");
    LoadProgramSettings();
    EXPECT_EQ(Settings().startSound, folder.directory() + "DATA\\start.wav");
    EXPECT_EQ(Expanded("%i\\GAME.EXE;%w"), folder.directory() + "DATA\\GAME.EXE;" + Expanded("%w"));
}

TEST_F(PathMacrosTest, WithoutProgramFolderTheMacrosStay) {
    ClearIniLocation();
    const std::string windowsFolder = Expanded("%w");
    EXPECT_EQ(Expanded("%r\\A.WAV|%d\\B.WAV|%w"), "%r\\A.WAV|%d\\B.WAV|" + windowsFolder);
}

}  // namespace
}  // namespace lumora
