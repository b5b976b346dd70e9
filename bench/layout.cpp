// SPDX-License-Identifier: GPL-3.0-or-later
// Text layout throughput: the 600-dpi layout of text objects (mark-up scan, measuring, wrapping)
// against QTextLayout wrapping the same text with the same font at the same width. Both run on
// 1 MB and 10 MB of mixed Hungarian text; the 10 MB run shows whether the cost grows linearly.
#include "report/common/RpFont.h"
#include "report/layout/TextLayout.h"

#include "platform/Cp1250.h"
#include "platform/FontSubstitutes.h"

#include <QGuiApplication>
#include <QTextLayout>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <random>

namespace {

constexpr int fontSize = 10;      // points
constexpr int widthUnits = 680;   // about 180 mm, the certificate's paragraph width
constexpr int width600 = 4250;    // the same at 600 dpi
constexpr int fontHeight600 = 83; // 10 points at 600 dpi

// Paragraphs of Hungarian words with accents, numbers and punctuation, one source line each,
// together about `bytes` long. Deterministic, so both sides and every run see the same text.
std::vector<std::string> hungarianText(size_t bytes) {
    static const char* const words[] = {"munkáltató",
                                        "igazolom",
                                        "hogy",
                                        "a",
                                        "az",
                                        "és",
                                        "született",
                                        "lakos",
                                        "óta",
                                        "munkaviszonyban",
                                        "áll",
                                        "cégünknél",
                                        "munkakörben",
                                        "utolsó",
                                        "három",
                                        "hónap",
                                        "átlagos",
                                        "nettó",
                                        "jövedelme",
                                        "forint",
                                        "családi",
                                        "pótlék",
                                        "Tölgyesvárhely",
                                        "Petőfi",
                                        "utca",
                                        "szám",
                                        "alatti",
                                        "Kovács",
                                        "Éva",
                                        "Szőke",
                                        "könyvelő",
                                        "igazolás",
                                        "hűen",
                                        "tükrözi",
                                        "adatokat",
                                        "árvíztűrő",
                                        "tükörfúrógép",
                                        "őszi",
                                        "műszak",
                                        "ünnepnap",
                                        "fűtésszámla",
                                        "gyümölcsöző",
                                        "együttműködés",
                                        "polgármesteri",
                                        "hivatal",
                                        "részére",
                                        "kiállított",
                                        "dokumentum",
                                        "érvényes",
                                        "nyilvántartásba",
                                        "vett",
                                        "vállalkozás",
                                        "közös",
                                        "költség",
                                        "bérjegyzék",
                                        "adóazonosító",
                                        "jel",
                                        "TAJ-szám",
                                        "1.",
                                        "12.",
                                        "2019.",
                                        "412 500",
                                        "Ft",
                                        "(kelt:",
                                        "március)",
                                        "–",
                                        "stb.",
                                        "vagyis",
                                        "illetve",
                                        "legalább",
                                        "legfeljebb"};
    constexpr size_t wordCount = sizeof(words) / sizeof(words[0]);
    std::vector<std::string> cp1250Words;
    for (const char* w : words)
        cp1250Words.push_back(platform::fromUtf8(w));
    std::mt19937 random(2718);
    std::vector<std::string> paragraphs;
    size_t total = 0;
    while (total < bytes) {
        std::string paragraph;
        const int length = 20 + static_cast<int>(random() % 160);
        for (int i = 0; i < length; ++i) {
            if (i > 0)
                paragraph += random() % 9 == 0 ? ", " : " ";
            paragraph += cp1250Words[random() % wordCount];
        }
        paragraph += '.';
        total += paragraph.size() + 2;
        paragraphs.push_back(std::move(paragraph));
    }
    return paragraphs;
}

const std::vector<std::string>& textOf(size_t bytes) {
    static std::map<size_t, std::vector<std::string>> texts;
    auto it = texts.find(bytes);
    if (it == texts.end())
        it = texts.emplace(bytes, hungarianText(bytes)).first;
    return it->second;
}

size_t sizeOf(const std::vector<std::string>& paragraphs) {
    size_t size = 0;
    for (const std::string& p : paragraphs)
        size += p.size() + 2;
    return size;
}

void BM_DrawTextLayout(benchmark::State& state) {
    const std::vector<std::string>& text = textOf(static_cast<size_t>(state.range(0)));
    report::TrpDrawText drawText;
    drawText.TakeFont(report::TrpFont("Arial", fontSize));
    drawText.TakeOptions(true, true, 0, false, false);
    drawText.TakeGaps(0, 0, 2);
    const platform::Rect rect{0, 0, widthUnits, 1000};
    drawText.TakeRects(1, 1, rect, rect);
    if (drawText.FontHeight() != fontHeight600)
        state.SkipWithError("unexpected 600-dpi font height");
    for (auto _ : state) {
        drawText.LayOutText(text);
        benchmark::DoNotOptimize(drawText.LineCount());
    }
    state.counters["lines"] = drawText.LineCount();
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * sizeOf(text)));
}

void BM_QTextLayout(benchmark::State& state) {
    const std::vector<std::string>& text = textOf(static_cast<size_t>(state.range(0)));
    std::vector<QString> paragraphs;
    for (const std::string& p : text)
        paragraphs.push_back(platform::toUnicode(p));
    // The font as the canvas measures it: 600-dpi pixel size, no kerning, no hinting.
    QFont font("Arial");
    font.setPixelSize(fontHeight600);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    int lines = 0;
    for (auto _ : state) {
        lines = 0;
        for (const QString& paragraph : paragraphs) {
            QTextLayout layout(paragraph, font);
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(width600);
                ++lines;
            }
            layout.endLayout();
        }
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = lines;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * sizeOf(text)));
}

constexpr int64_t oneMB = 1 << 20;
BENCHMARK(BM_DrawTextLayout)->Arg(oneMB)->Arg(10 * oneMB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QTextLayout)->Arg(oneMB)->Arg(10 * oneMB)->Unit(benchmark::kMillisecond);

// Prints the usual table, then our throughput against QTextLayout's for every size.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred)
                continue;
            const auto rate = run.counters.find("bytes_per_second");
            if (rate != run.counters.end())
                rates_[run.run_name.args][run.run_name.function_name] = rate->second.value;
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const auto& [size, rates] : rates_) {
            const auto ours = rates.find("BM_DrawTextLayout");
            const auto qt = rates.find("BM_QTextLayout");
            if (ours == rates.end() || qt == rates.end())
                continue;
            std::printf("%s bytes: TrpDrawText %.1f MB/s, QTextLayout %.1f MB/s, ratio %.2f\n",
                        size.c_str(), ours->second / oneMB, qt->second / oneMB,
                        ours->second / qt->second);
        }
    }

private:
    std::map<std::string, std::map<std::string, double>> rates_;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    platform::installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
