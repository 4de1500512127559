// What a click checks before it starts a program: the disc it needs, found by volume label on any
// drive and asked for until it comes or the user gives up, and the display it needs. Also the
// program that Config/LaunchAtStart names, started once. The disc is a CD drive defined through
// Wine's mount manager while everything runs, on the test's own disc folder.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "launch_report.h"
#include "lumora_test.h"
#include "process.h"

namespace e2e {
namespace {

using namespace disc;
namespace fs = std::filesystem;

constexpr char kRegionASection[] = "Main-Region A";
constexpr char kDrive[] = "R";  // a letter the prefix does not use
constexpr int kDriveCdrom = 5;
constexpr int kDriveNoRootDir = 1;
constexpr int kIdOk = 1, kIdCancel = 2, kIdRetry = 4;
constexpr unsigned kButtonClick = 0xF5;  // BM_CLICK
constexpr char kDiscPrompt[] = "Please insert the disk labeled 'My Disc' in your CD-ROM drive.";

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

class Disc : public LumoraTest {
  protected:
    void SetUp() override {
        LumoraTest::SetUp();
        InstallLaunchProbe(Path("app.exe"));
    }

    void TearDown() override {
        if (driveDefined_) {
            EXPECT_EQ(RemoveDrive(), "1");
        }
        LumoraTest::TearDown();
    }

    // Puts a disc labelled `label` into drive R: (the disc folder, or the Linux folder given),
    // replacing any disc there. The mount manager is given the label, and Wine 8 takes it from
    // the folder's label file, which it reads again whenever the drive is defined.
    ::testing::AssertionResult InsertDisc(const std::string& label, std::string folder = "") {
        if (folder.empty()) {
            folder = Path("");
            folder.pop_back();
        }
        std::ofstream(folder + "/.windows-label", std::ios::binary) << label;
        const std::string answer =
            probe().Ask(std::string("drive ") + kDrive + " " + folder + " " + label);
        if (answer != "1") {
            return ::testing::AssertionFailure() << "the mount manager refused: " << answer;
        }
        driveDefined_ = true;
        return ::testing::AssertionSuccess();
    }

    // Removes drive R:; the mount manager's answer.
    std::string RemoveDrive() {
        driveDefined_ = false;
        return probe().Ask(std::string("drive ") + kDrive + " -");
    }

    // The drive type and label of R:, as "type|label".
    std::string DriveR() { return probe().Ask(std::string("volume ") + kDrive + ":\\"); }

    // Region A starts the probe, after checking that the disc MYDISC is in some drive.
    void LaunchNeedingTheDisc(const std::string& command) {
        ini_.Set(kRegionASection, "LaunchFunc", "DispatchProgram");
        ini_.Set(kRegionASection, "LaunchData", command);
        ini_.Set(kRegionASection, "LaunchReq", "MYDISC|My Disc");
        ini_.Set(kRegionASection, "LaunchOnReq", "1");
    }

    // The program's message box, other than `not_`; 0 when none comes.
    Hwnd WaitForBox(Hwnd not_ = 0) {
        Hwnd box = 0;
        WaitUntil([&] {
            box = probe().FindInProcess(main_, "#32770");
            return box != 0 && box != not_ && probe().State(box).visible;
        });
        return box != not_ ? box : 0;
    }
    std::string BoxText(Hwnd box) {
        return probe().Ask("dlgtext " + std::to_string(box) + " ffff");
    }
    Hwnd Button(Hwnd box, int id) {
        return std::stoul(probe().Ask("dlgitem " + std::to_string(box) + " " + std::to_string(id)));
    }
    // Presses a button of the box the way a click does.
    void Answer(Hwnd box, int id) {
        const Hwnd button = Button(box, id);
        ASSERT_NE(button, 0u) << "the box has no button " << id;
        ASSERT_TRUE(probe().Deliver(button, false, kButtonClick, 0, "0"));
    }
    bool BoxGone() {
        return WaitUntil([&] { return probe().FindInProcess(main_, "#32770") == 0; });
    }

    // Nothing was started from the disc folder within a while, and the launcher still runs.
    void ExpectNothingStarted() {
        std::this_thread::sleep_for(milliseconds(1500));
        EXPECT_FALSE(LaunchReported(Path("app.exe"))) << "the program must not start";
        EXPECT_TRUE(probe().Exists(main_));
    }

    // The probe started; the launcher closes after an ordinary program.
    std::string StartedCommandLine() {
        const std::optional<LaunchReport> report = TakeLaunchReport(Path("app.exe"));
        if (!report) {
            return "(the program did not start)";
        }
        EXPECT_EQ(WaitForExit(), 0) << "the launcher closes after an ordinary program";
        pid_ = -1;
        return Lower(report->commandLine);
    }

  private:
    bool driveDefined_ = false;
};

TEST_F(Disc, TheMountManagerDefinesRelabelsAndRemovesACdDrive) {
    ASSERT_TRUE(InsertDisc("Lumora Disc"));
    EXPECT_EQ(DriveR(), std::to_string(kDriveCdrom) + "|Lumora Disc");
    ASSERT_TRUE(InsertDisc("SECOND"));
    EXPECT_EQ(DriveR(), std::to_string(kDriveCdrom) + "|SECOND") << "the label is read again";
    // Wine keeps the removed drive as an empty CD drive, or forgets it: either way no label.
    ASSERT_EQ(RemoveDrive(), "1");
    const std::string removed = DriveR();
    EXPECT_TRUE(removed == std::to_string(kDriveCdrom) + "|" ||
                removed.rfind(std::to_string(kDriveNoRootDir) + "|err", 0) == 0)
        << removed;
}

TEST_F(Disc, AClickStartsTheProgramFromTheDriveWhereTheDiscWasFound) {
    // The command names Q:, a drive that does not exist; the disc is in R:, labelled in lower case.
    ASSERT_TRUE(InsertDisc("mydisc"));
    LaunchNeedingTheDisc("Q:\\app.exe found");
    ASSERT_TRUE(Start());
    ClickAt(kInsideAOnly);
    const std::string commandLine = StartedCommandLine();
    EXPECT_NE(commandLine.find("r:\\app.exe found"), std::string::npos) << commandLine;
    EXPECT_EQ(commandLine.find("q:"), std::string::npos) << commandLine;
}

TEST_F(Disc, CancelOnTheDiscPromptDropsTheAction) {
    LaunchNeedingTheDisc("Q:\\app.exe");
    ASSERT_TRUE(Start());
    ClickAt(kInsideAOnly);
    const Hwnd box = WaitForBox();
    ASSERT_NE(box, 0u) << "the disc prompt";
    EXPECT_EQ(BoxText(box), kDiscPrompt);
    EXPECT_NE(Button(box, kIdRetry), 0u) << "Retry";
    Answer(box, kIdCancel);
    EXPECT_TRUE(BoxGone());
    ExpectNothingStarted();
}

TEST_F(Disc, RetryAsksAgainUntilTheDiscIsInADrive) {
    LaunchNeedingTheDisc("Q:\\app.exe retried");
    ASSERT_TRUE(Start());
    ClickAt(kInsideAOnly);
    const Hwnd first = WaitForBox();
    ASSERT_NE(first, 0u) << "the disc prompt";
    Answer(first, kIdRetry);
    const Hwnd second = WaitForBox(first);
    ASSERT_NE(second, 0u) << "Retry without the disc asks again";
    EXPECT_EQ(BoxText(second), kDiscPrompt);
    EXPECT_FALSE(LaunchReported(Path("app.exe")));
    // The disc arrives while the prompt waits.
    ASSERT_TRUE(InsertDisc("MyDisc"));
    Answer(second, kIdRetry);
    const std::string commandLine = StartedCommandLine();
    EXPECT_NE(commandLine.find("r:\\app.exe retried"), std::string::npos) << commandLine;
}

// Region A starts the probe when the display meets `requirement`.
class DiscDisplay : public Disc {
  protected:
    void LaunchNeedingTheDisplay(const std::string& requirement) {
        ini_.Set(kRegionASection, "LaunchFunc", "DispatchProgram");
        ini_.Set(kRegionASection, "LaunchData", "%r\\app.exe");
        ini_.Set(kRegionASection, "LaunchScreenReq", requirement);
    }
};

TEST_F(DiscDisplay, AMinimumTheDisplayMeetsLetsTheProgramStart) {
    LaunchNeedingTheDisplay("G|640X480|256");
    ASSERT_TRUE(Start());
    ClickAt(kInsideAOnly);
    EXPECT_NE(StartedCommandLine().find("app.exe"), std::string::npos);
}

TEST_F(DiscDisplay, AnExactResolutionTheDisplayLacksRefusesTheStart) {
    LaunchNeedingTheDisplay("E|800X600|TRUE");
    ASSERT_TRUE(Start());
    ClickAt(kInsideAOnly);
    const Hwnd box = WaitForBox();
    ASSERT_NE(box, 0u) << "the display message";
    EXPECT_EQ(BoxText(box), "This application requires a resolution of 800 X 600, True color.");
    Answer(box, kIdOk);
    EXPECT_TRUE(BoxGone());
    ExpectNothingStarted();
}

TEST_F(DiscDisplay, AnUnknownResolutionIsNoRequirement) {
    LaunchNeedingTheDisplay("E|1280X1024|TRUE");
    ASSERT_TRUE(Start());
    ClickAt(kInsideAOnly);
    EXPECT_NE(StartedCommandLine().find("app.exe"), std::string::npos);
}

TEST_F(Disc, TheProgramNamedToLaunchAtStartStartsOnce) {
    ini_.Set("Config", "LaunchAtStart", "Autorun");
    ini_.Set("Autorun", "LaunchFunc", "dispatchprogram");
    ini_.Set("Autorun", "LaunchData", "%r\\app.exe atstart");
    ASSERT_TRUE(Start());
    const std::optional<LaunchReport> report = TakeLaunchReport(Path("app.exe"));
    ASSERT_TRUE(report) << "the program did not start with the launcher";
    EXPECT_NE(Lower(report->commandLine).find("app.exe atstart"), std::string::npos);
    EXPECT_FALSE(ReadIniValue(Path("Lumora.ini"), "Config", "LaunchAtStart"))
        << "the key is gone once the program has started";
    EXPECT_TRUE(probe().Exists(main_)) << "the launcher stays";

    // The next start of the launcher starts nothing.
    Terminate(pid_);
    ASSERT_TRUE(WaitUntilGone());
    fs::remove(Path("app.txt"));
    pid_ = StartAnother();
    ASSERT_TRUE(WaitUntil([&] { return (main_ = probe().Find(kMainWindowClass)) != 0; },
                          milliseconds(15000)));
    ASSERT_TRUE(probe().WaitForIdle(main_, 10000));
    ExpectNothingStarted();
}

// The volume label that Windows reads from a CD image: the identifier of its Joliet volume
// descriptor (UCS-2, big-endian), else of its primary one; blanks that pad it are dropped.
std::string ImageLabel(const std::string& image) {
    constexpr int kSector = 2048;
    std::ifstream in(image, std::ios::binary);
    std::string primary;
    for (int sector = 16; sector < 64; ++sector) {
        char d[kSector];
        in.seekg(static_cast<std::streamoff>(sector) * kSector);
        if (!in.read(d, kSector) || std::string(d + 1, 5) != "CD001" ||
            static_cast<unsigned char>(d[0]) == 255) {
            break;
        }
        std::string label;
        if (d[0] == 1) {
            primary.assign(d + 40, 32);
            primary.erase(primary.find_last_not_of(' ') + 1);
        } else if (d[0] == 2 && d[88] == '%' && d[89] == '/' &&
                   (d[90] == '@' || d[90] == 'C' || d[90] == 'E')) {
            for (int i = 40; i < 72; i += 2) {
                const int c =
                    static_cast<unsigned char>(d[i]) << 8 | static_cast<unsigned char>(d[i + 1]);
                label += c < 128 ? static_cast<char>(c) : '?';
            }
            return label.erase(label.find_last_not_of(' ') + 1);
        }
    }
    return primary;
}

// The disc as its image. `lumora-disc iso` builds it from the disc folder, labelled after the
// disc that region A's LaunchReq names. This kernel has no ISO 9660 driver and Wine 8 reads a CD's
// label only from the block device of a mounted disc or from the label file, so drive R: is a CD
// drive on the image's files extracted by xorriso, with the label read from the image's own
// volume descriptor. lumora.exe started from R: finds its disc there: the click starts the
// program from R: without the disc prompt.
class DiscImage : public Disc {
  protected:
    void SetUp() override {
        Disc::SetUp();
        char pattern[] = "/tmp/lme2e/XXXXXX";
        ASSERT_TRUE(mkdtemp(pattern));
        work_ = pattern;
        cd_ = work_ + "/cd";
        image_ = work_ + "/disc.iso";
    }

    void TearDown() override {
        Disc::TearDown();
        if (!HasFailure()) {
            fs::remove_all(work_);
        }
    }

    // Builds the image of the disc folder; lumora-disc's output and exit status.
    std::string BuildImage() {
        const std::string output = work_ + "/iso.txt";
        SpawnOptions options;
        options.outputFile = output;
        std::string folder = Path("");
        folder.pop_back();
        const pid_t pid = Spawn({LUMORA_E2E_DISC_TOOL, "iso", folder, "-o", image_}, options);
        const int status = pid < 0 ? -1 : e2e::WaitForExit(pid, 60000).value_or(-1);
        std::ifstream in(output);
        return std::string(std::istreambuf_iterator<char>(in), {}) + "exit " +
               std::to_string(status);
    }

    bool ExtractImage() {
        return e2e::Run({"xorriso", "-osirrox", "on", "-indev", image_, "-extract", "/", cd_}) == 0;
    }

    std::string work_, cd_, image_;
};

TEST_F(DiscImage, LumoraStartedFromTheImageFindsItsDiscByTheImagesLabel) {
    // A disc with nothing for the check to refuse: one screen and region A, which starts the
    // probe from the disc it needs. The command names Q:; the drive where the disc is found takes
    // its place. The probe reports into the test's folder, as a disc cannot be written.
    IniText ini;
    ini.Set("Config", "ScreenNames", "Main").Set("Config", "Startup", "Main");
    ini.Set("Screen Main", "Description", kMainTitle);
    ini.Set("Screen Main", "Bitmap", "%rmain.bmp");
    ini.Set("Screen Main", "RegionNames", "A");
    ini.Set(kRegionASection, "Shape", ShapeOf(kRegionA));
    ini.Set(kRegionASection, "LaunchFunc", "DispatchProgram");
    std::string report = "Z:" + Path("");
    report.pop_back();
    std::replace(report.begin(), report.end(), '/', '\\');
    ini.Set(kRegionASection, "LaunchData", "Q:\\app.exe fromimage report=" + report);
    ini.Set(kRegionASection, "LaunchReq", "LUMORA_TEST|Lumora test disc");
    ini.Set(kRegionASection, "LaunchOnReq", "1");
    std::ofstream(Path("Lumora.ini"), std::ios::binary) << ini.Text();

    // The image carries the product, the i686 lumora.exe that make builds beside the kit. Once
    // extracted, the build this machine's Wine runs takes its place (a 64-bit one where Wine runs
    // no 32-bit programs).
    const std::string runnable = work_ + "/runnable.exe";
    fs::rename(Path("lumora.exe"), runnable);
    const std::string built = BuildImage();
    ASSERT_NE(built.find("labelled LUMORA_TEST\nexit 0"), std::string::npos) << built;
    ASSERT_EQ(ImageLabel(image_), "LUMORA_TEST");
    ASSERT_TRUE(ExtractImage());
    EXPECT_TRUE(fs::exists(cd_ + "/lumora.exe") && fs::exists(cd_ + "/autorun.inf"));
    fs::remove(cd_ + "/lumora.exe");
    fs::copy_file(runnable, cd_ + "/lumora.exe");
    ASSERT_TRUE(InsertDisc(ImageLabel(image_), cd_));
    ASSERT_EQ(DriveR(), std::to_string(kDriveCdrom) + "|LUMORA_TEST");

    ASSERT_TRUE(StartFrom("R:\\lumora.exe", cd_));
    ClickAt(kInsideAOnly);
    // A disc prompt would have kept the program from starting.
    const std::string commandLine = StartedCommandLine();
    EXPECT_NE(commandLine.find("r:\\app.exe fromimage"), std::string::npos) << commandLine;
}

}  // namespace
}  // namespace e2e
