// Composition on the hover path: a 200x100 picture onto a 640x480 canvas, opaquely and with a
// colour key, against memcpy of the same rows. Prints bytes per second and, at the end, each
// composition's ratio to memcpy.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "../unit/dib_test_bmp.h"
#include "imaging/dib_image.h"

namespace lumora {
namespace {

constexpr int kCanvasWidth = 640;
constexpr int kCanvasHeight = 480;
constexpr int kPictureWidth = 200;
constexpr int kPictureHeight = 100;
constexpr int kX = 217;  // an odd position, as a highlight has
constexpr int kY = 131;
constexpr uint8_t kKey = 0;

DibImage Load(const test::TestBmp& bmp) {
    DibImage image;
    const std::vector<uint8_t> bytes = bmp.Bytes();
    if (!image.LoadBytes(bytes.data(), bytes.size())) {
        std::fprintf(stderr, "benchmark picture did not load\n");
        std::abort();
    }
    return image;
}

DibImage Canvas(int bitCount) {
    test::TestBmp bmp = bitCount == 8 ? test::Bmp8(kCanvasWidth, kCanvasHeight)
                                      : test::Bmp24(kCanvasWidth, kCanvasHeight);
    return Load(bmp);
}

// Key pixels outside an ellipse, as a rounded highlight has.
DibImage EllipsePicture() {
    test::TestBmp bmp = test::Bmp8(kPictureWidth, kPictureHeight);
    bmp.pixel = [](int x, int y) {
        const double dx = (x + 0.5) / kPictureWidth * 2 - 1;
        const double dy = (y + 0.5) / kPictureHeight * 2 - 1;
        return dx * dx + dy * dy <= 1 ? static_cast<uint32_t>(1 + (x + y) % 200) : kKey;
    };
    return Load(bmp);
}

// Half of the pixels keyed at random: the worst case for a branch per pixel.
DibImage NoisePicture() {
    std::mt19937 random(42);
    test::TestBmp bmp = test::Bmp8(kPictureWidth, kPictureHeight);
    bmp.pixel = [&random](int, int) {
        return random() % 2 ? kKey : static_cast<uint32_t>(1 + random() % 255);
    };
    return Load(bmp);
}

void SetBytes(benchmark::State& state, int bytesPerPixel) {
    state.SetBytesProcessed(int64_t(state.iterations()) * kPictureWidth * kPictureHeight *
                            bytesPerPixel);
}

void Compose(benchmark::State& state, const DibImage& picture, int transparency) {
    DibImage canvas = Canvas(picture.format() == kFormat8Bit ? 8 : 24);
    for (auto _ : state) {
        canvas.Compose(picture, kX, kY, transparency);
        canvas.ClearDirty();
        benchmark::ClobberMemory();
    }
    SetBytes(state, picture.bytesPerPixel());
}

// The same rows as a composition moves, each with one memcpy.
void CopyRows(benchmark::State& state, int bitCount) {
    DibImage canvas = Canvas(bitCount);
    const DibImage picture = Load(bitCount == 8 ? test::Bmp8(kPictureWidth, kPictureHeight)
                                                : test::Bmp24(kPictureWidth, kPictureHeight));
    const size_t rowBytes = size_t(kPictureWidth) * picture.bytesPerPixel();
    for (auto _ : state) {
        for (int row = 0; row < kPictureHeight; ++row) {
            std::memcpy(canvas.pixel(kX, kY + row), picture.pixel(0, row), rowBytes);
        }
        benchmark::ClobberMemory();
    }
    SetBytes(state, picture.bytesPerPixel());
}

void BM_Memcpy8(benchmark::State& state) {
    CopyRows(state, 8);
}
void BM_ComposeOpaque8(benchmark::State& state) {
    Compose(state, EllipsePicture(), -1);
}
void BM_ComposeKeyEllipse8(benchmark::State& state) {
    Compose(state, EllipsePicture(), kKey);
}
void BM_ComposeKeyNoise8(benchmark::State& state) {
    Compose(state, NoisePicture(), kKey);
}
void BM_Memcpy24(benchmark::State& state) {
    CopyRows(state, 24);
}
void BM_Compose24(benchmark::State& state) {
    Compose(state, Load(test::Bmp24(kPictureWidth, kPictureHeight)), kKey);
}

BENCHMARK(BM_Memcpy8);
BENCHMARK(BM_ComposeOpaque8);
BENCHMARK(BM_ComposeKeyEllipse8);
BENCHMARK(BM_ComposeKeyNoise8);
BENCHMARK(BM_Memcpy24);
BENCHMARK(BM_Compose24);

// The console output, then each composition's bytes per second as a ratio to memcpy's.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto rate = run.counters.find("bytes_per_second");
            if (rate != run.counters.end()) {
                rates_[run.benchmark_name()] = rate->second.value;
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        const std::pair<const char*, const char*> pairs[] = {
            {"BM_ComposeOpaque8", "BM_Memcpy8"},
            {"BM_ComposeKeyEllipse8", "BM_Memcpy8"},
            {"BM_ComposeKeyNoise8", "BM_Memcpy8"},
            {"BM_Compose24", "BM_Memcpy24"},
        };
        std::printf("\n%-24s %12s %8s\n", "composition", "MB/s", "x memcpy");
        for (const auto& [name, baseline] : pairs) {
            if (rates_.count(name) && rates_.count(baseline) && rates_[baseline] > 0) {
                std::printf("%-24s %12.0f %8.2f\n", name, rates_[name] / 1e6,
                            rates_[name] / rates_[baseline]);
            }
        }
    }

  private:
    std::map<std::string, double> rates_;
};

}  // namespace
}  // namespace lumora

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    lumora::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
