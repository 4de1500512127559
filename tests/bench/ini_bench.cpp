// Reading a screen through the INI parser: parsing a file with a screen of 20 regions of 16
// keys each, and loading that screen's model from the parsed file. Prints the time of each.
#include <benchmark/benchmark.h>

#include <string>

#include "config/ini_document.h"
#include "config/string_table.h"
#include "screens/screen_model.h"

namespace lumora {
namespace {

constexpr int kRegions = 20;

std::string ScreenIni() {
    std::string names;
    std::string regions;
    for (int i = 0; i < kRegions; ++i) {
        const std::string name = "Region" + std::to_string(i);
        names += (i ? "|" : "") + name;
        regions += "[Main-Region " + name +
                   "]\nShape=10,10|200,10|200,80|120,120|10,80\n"
                   "BalloonBitmap=%r\\pictures\\balloon.bmp\nBalloonPosition=220,40\n"
                   "BalloonTransparency=0\nHighlightBitmap=%r\\pictures\\highlight.bmp\n"
                   "HighlightPosition=10,10\nHighlightTransparency=0\nSound=%r\\click.wav\n"
                   "LaunchScreenReq=G|640X480|256\nLaunchReq=DISC|The disc\nLaunchOnReq=1\n"
                   "LaunchFunc=DispatchProgram\nLaunchData=%r\\programs\\app.exe\n"
                   "SetupFunc=DispatchProgram\nSetupData=%r\\setup\\setup.exe\n"
                   "SetupDesc=The application\n";
    }
    return "[Config]\nScreenNames=Main\n[Screen Main]\nDescription=Main\nBitmap=%r\\main.bmp\n"
           "RegionNames=" +
           names + "\n" + regions;
}

ModelContext Context() {
    return ModelContext{BuiltInText, [](std::string& path) { path.replace(0, 2, "D:\\"); }};
}

void ParseFile(benchmark::State& state) {
    const std::string text = ScreenIni();
    for (auto _ : state) {
        IniDocument ini(text);
        benchmark::DoNotOptimize(ini);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(ParseFile);

void LoadScreen(benchmark::State& state) {
    const IniDocument ini(ScreenIni());
    const ModelContext context = Context();
    for (auto _ : state) {
        std::optional<ScreenModel> screen = LoadScreenModel(ini, "Main", context);
        benchmark::DoNotOptimize(screen);
    }
}
BENCHMARK(LoadScreen);

}  // namespace
}  // namespace lumora
