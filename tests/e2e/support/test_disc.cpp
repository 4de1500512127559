#include "test_disc.h"

namespace e2e::disc {

std::string ShapeOf(const Box& b) {
    auto point = [](int x, int y) { return std::to_string(x) + "," + std::to_string(y); };
    return point(b.left, b.top) + "|" + point(b.right, b.top) + "|" + point(b.right, b.bottom) +
           "|" + point(b.left, b.bottom);
}

namespace {

std::string PointOf(const Box& b) {
    return std::to_string(b.left) + "," + std::to_string(b.top);
}

void Region(IniText& ini, const std::string& screen, const std::string& name, const Box& shape,
            const std::string& func = "", const std::string& data = "") {
    const std::string section = screen + "-Region " + name;
    ini.Set(section, "Shape", ShapeOf(shape));
    ini.Set(section, "Sound", "%r" + name + ".wav");
    if (!func.empty()) {
        ini.Set(section, "LaunchFunc", func);
    }
    if (!data.empty()) {
        ini.Set(section, "LaunchData", data);
    }
}

void Highlight(IniText& ini, const std::string& section, const std::string& file, const Box& at) {
    ini.Set(section, "HighlightBitmap", "%r" + file);
    ini.Set(section, "HighlightPosition", PointOf(at));
}

void Balloon(IniText& ini, const std::string& section, const std::string& file, const Box& at) {
    ini.Set(section, "BalloonBitmap", "%r" + file);
    ini.Set(section, "BalloonPosition", PointOf(at));
}

}  // namespace

IniText StandardIni() {
    IniText ini;
    ini.Set("Config", "ScreenNames", "Main|Second|Broken");
    ini.Set("Config", "StartScreens", "Main|Second");
    ini.Set("Config", "Startup", "Main");
    ini.Set("Config", "BalloonHelp", "1");
    ini.Set("Config", "UseSound", "1");
    ini.Set("Config", "BlackMat", "0");
    ini.Set("Config", "BalloonDelay", "300");
    ini.Set("Config", "StartSound", "%rstart.wav");
    ini.Set("Config", "EndSound", "%rend.wav");
    ini.Set("Config", "HighlightSound", "%rhighlight.wav");
    ini.Set("Config", "BalloonSound", "%rballoon.wav");

    ini.Set("Screen Main", "Description", kMainTitle);
    ini.Set("Screen Main", "Bitmap", "%rmain.bmp");
    ini.Set("Screen Main", "RegionNames", "A|B|Next|Exit|C|D|Minimize|Back|Quiet|Sync|Logo|Menu");
    Region(ini, "Main", "A", kRegionA);
    Highlight(ini, "Main-Region A", "highlight_a.bmp", kHighlightA);
    Balloon(ini, "Main-Region A", "balloon_a.bmp", kBalloonA);
    Region(ini, "Main", "B", kRegionB);
    Highlight(ini, "Main-Region B", "highlight_b.bmp", kHighlightB);
    Balloon(ini, "Main-Region B", "balloon_b.bmp", kBalloonB);
    Region(ini, "Main", "Next", kRegionNext, "DispatchScreen", "Second");
    Region(ini, "Main", "Exit", {320, 20, 390, 80}, "DispatchExit");
    ini.Set("Main-Region Exit", "Shape", "320,20|390,20|355,80");
    Region(ini, "Main", "C", kRegionC);
    Highlight(ini, "Main-Region C", "highlight_c.bmp", kHighlightC);
    Region(ini, "Main", "D", kRegionD);
    Highlight(ini, "Main-Region D", "highlight_d.bmp", kHighlightD);
    Region(ini, "Main", "Minimize", kRegionMinimize, "DispatchMinimize");
    Region(ini, "Main", "Back", kRegionBack, "DispatchPreviousScreen");
    Region(ini, "Main", "Quiet", kRegionQuiet, "dispatchexit");
    Region(ini, "Main", "Sync", kRegionSync);
    Region(ini, "Main", "Logo", kRegionLogo, "DispatchHelp");
    ini.Set("Main-Region Logo", "Splash", "%rlogo.bmp|2");
    Region(ini, "Main", "Menu", kRegionMenu, "DispatchMenu", "Tools");
    // The menu of region Menu: two items around a separator; the tests change it.
    ini.Set("Menu Tools", "MenuItems", "A|Separator|B");
    ini.Set("Tools-MenuItem A", "Description", "Alpha");
    ini.Set("Tools-MenuItem B", "Description", "Beta");

    ini.Set("Screen Second", "Description", kSecondTitle);
    ini.Set("Screen Second", "Bitmap", "%rsecond.bmp");
    ini.Set("Screen Second", "RegionNames", "Previous|Home|Missing|Broken");
    Region(ini, "Second", "Previous", kRegionPrevious, "DispatchPreviousScreen");
    Region(ini, "Second", "Home", kRegionHome, "DispatchScreen", "Main");
    Region(ini, "Second", "Missing", kRegionMissing, "DispatchScreen", "Missing");
    Region(ini, "Second", "Broken", kRegionBroken, "DispatchScreen", "Broken");

    ini.Set("Screen Broken", "Description", "Broken screen");
    ini.Set("Screen Broken", "Bitmap", "%rnothere.bmp");
    ini.Set("Screen Broken", "RegionNames", "Any");
    return ini;
}

bool WritePictures(const std::string& folder) {
    struct Picture {
        const char* file;
        Box box;
        Paint paint;
    };
    const Picture pictures[] = {
        {"main.bmp", kMain, kMainPaint},
        {"second.bmp", kSecond, kSecondPaint},
        {"highlight_a.bmp", kHighlightA, Paint::kYellow},
        {"balloon_a.bmp", kBalloonA, Paint::kGreen},
        {"highlight_b.bmp", kHighlightB, Paint::kCyan},
        {"balloon_b.bmp", kBalloonB, Paint::kMagenta},
        {"highlight_c.bmp", kHighlightC, Paint::kTeal},
        {"highlight_d.bmp", kHighlightD, Paint::kOrange},
        {"logo.bmp", kLogo, Paint::kWhite},
    };
    for (const auto& p : pictures) {
        if (!WriteSolidBitmap(folder + "/" + p.file, p.box.Width(), p.box.Height(), p.paint)) {
            return false;
        }
    }
    return true;
}

}  // namespace e2e::disc
