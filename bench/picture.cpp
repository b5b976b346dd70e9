// SPDX-License-Identifier: GPL-3.0-or-later
// A picture object is decoded on its first drawing and the decoded pixels serve every later one.
// Measures a later drawing (screen at zoom 1, and a 600-dpi printer page's scale) against the
// baseline of decoding the JPEG again for each drawing, and prints the ratio.
#include "report/content/RpJpegImage.h"
#include "report/objects/RpPictureView.h"

#include "platform/PainterCanvas.h"

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>

namespace {

std::string logo() {
    std::ifstream in(KF_SOURCE_DIR "/app/resources/coat_of_arms.jpg", std::ios::binary);
    const std::string jpeg{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::string stored(1, '\x0A');
    stored += "TJPEGImage";
    for (int i = 0; i < 4; ++i)
        stored += static_cast<char>(jpeg.size() >> (8 * i) & 0xFF);
    return stored + jpeg;
}

void drawPicture(benchmark::State& state, bool decodeEachTime) {
    const double scale = static_cast<double>(state.range(0)) / 100;
    const std::string stored = logo();
    report::TrpPictureView view;
    view.SetAutoSize(true);
    view.Picture().LoadFromStoredData(stored);
    QImage device(400, 400, QImage::Format_RGB32);
    platform::PainterCanvas canvas(device);
    for (auto _ : state) {
        if (decodeEachTime)
            view.Picture().LoadFromStoredData(stored);
        view.Draw(canvas, scale, scale, 0, 0);
    }
}

void BM_DrawDecoded(benchmark::State& state) {
    drawPicture(state, false);
}
void BM_DrawDecodingAgain(benchmark::State& state) {
    drawPicture(state, true);
}
BENCHMARK(BM_DrawDecoded)->Arg(100)->Arg(625);
BENCHMARK(BM_DrawDecodingAgain)->Arg(100)->Arg(625);

// Prints the console table, then each baseline's time over ours.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const char* arg : {"100", "625"}) {
            const double ours = times_[std::string("BM_DrawDecoded/") + arg];
            const double baseline = times_[std::string("BM_DrawDecodingAgain/") + arg];
            if (ours > 0)
                std::printf("scale %s%%: decoding again is %.1f x slower\n", arg, baseline / ours);
        }
    }

private:
    std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}
