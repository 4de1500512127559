// Sections kept while the INI file is unchanged: read once, read afresh when the file changed
// at the last look, still answering when it is gone.
#include "config/held_sections.h"

#include <gtest/gtest.h>

#include "config/ini_document.h"

namespace lumora {
namespace {

// The file's text, which a test changes, and how often a section was read from it.
class CountingFile : public IniReader {
  public:
    SectionEntries Section(const std::string& name) const override {
        ++reads;
        return IniDocument(text).Section(name);
    }
    std::string text;
    mutable int reads = 0;
};

TEST(HeldSections, ASectionIsReadOnceWhileTheFileIsUnchangedAtEachLook) {
    CountingFile file;
    file.text = "[Screen Main]\nBitmap=a.bmp\n";
    std::optional<FileStamp> stamp = FileStamp{10, 1};
    HeldSections sections(file, [&] { return stamp; });
    // Before the first look nothing is held.
    sections.Section("Screen Main");
    sections.CheckFile();
    EXPECT_EQ(sections.Section("Screen Main").Find("Bitmap"), "a.bmp");
    EXPECT_EQ(sections.Section("Screen Main").Find("Bitmap"), "a.bmp");
    EXPECT_FALSE(sections.Section("Screen None").Find("Bitmap"));
    sections.CheckFile();
    EXPECT_FALSE(sections.Section("Screen None").Find("Bitmap"));
    EXPECT_EQ(file.reads, 3);
    // Written since (a newer time, or another length): seen at the next look, and every section
    // is read afresh.
    file.text = "[Screen Main]\nBitmap=b.bmp\n";
    stamp = FileStamp{10, 2};
    EXPECT_EQ(sections.Section("Screen Main").Find("Bitmap"), "a.bmp");
    sections.CheckFile();
    EXPECT_EQ(sections.Section("Screen Main").Find("Bitmap"), "b.bmp");
    EXPECT_EQ(file.reads, 4);
    file.text = "[Screen Main]\nBitmap=cc.bmp\n";
    stamp = FileStamp{11, 2};
    sections.CheckFile();
    EXPECT_EQ(sections.Section("Screen Main").Find("Bitmap"), "cc.bmp");
}

TEST(HeldSections, WithTheFileGoneWhatWasReadStillAnswersAndNothingNewIsKept) {
    CountingFile file;
    file.text = "[Screen Main]\nBitmap=a.bmp\n[Screen Next]\nBitmap=n.bmp\n";
    std::optional<FileStamp> stamp = FileStamp{10, 1};
    HeldSections sections(file, [&] { return stamp; });
    sections.CheckFile();
    sections.Section("Screen Main");
    // The disc is out of its drive.
    stamp.reset();
    file.text.clear();
    sections.CheckFile();
    EXPECT_EQ(sections.Section("Screen Main").Find("Bitmap"), "a.bmp");
    EXPECT_FALSE(sections.Section("Screen Next").Find("Bitmap"));
    // Back in: the section it had is found now.
    file.text = "[Screen Main]\nBitmap=a.bmp\n[Screen Next]\nBitmap=n.bmp\n";
    stamp = FileStamp{10, 1};
    sections.CheckFile();
    EXPECT_EQ(sections.Section("Screen Next").Find("Bitmap"), "n.bmp");
    EXPECT_EQ(file.reads, 3);
}

}  // namespace
}  // namespace lumora
