// SPDX-License-Identifier: GPL-3.0-or-later
// Repainting the certificate's preview at 100 % in a 1000 x 1200 desk: the page view's paint of
// the whole desk (gray desk, the page from its kept picture, shadow), the same paint drawing the
// page anew, and the widget's own repaint, against a bare QPainter drawing only the glyph runs of
// the page's text. Everything draws into the same kind of image; the ratio of the kept-picture
// paint to the bare glyph runs is the figure to watch.
#include "preview/Preview.h"
#include "app/CertificateTemplate.h"
#include "preview/PreviewWorkspace.h"

#include "report/RpReport.h"
#include "report/prepared/RpPreviewPages.h"

#include "platform/Cp1250.h"
#include "platform/FontCache.h"
#include "platform/FontSubstitutes.h"
#include "platform/PainterCanvas.h"
#include "platform/RecordingCanvas.h"

#include <QApplication>
#include <QGlyphRun>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>

namespace {

constexpr int deskWidth = 1000;
constexpr int deskHeight = 1200;

struct Certificate {
    report::TrpReport report;
    std::unique_ptr<preview::TrpPreview> view;

    Certificate() {
        app::LoadCertificateTemplate(report);
        report.EngineOptions.SilentMode = true;
        report.OnGetValue = [](const std::string& name, report::TrpVariant& value) {
            static const std::map<std::string, const char*> values = {
                {"m1", "Tölgyesvárhelyi Faipari Kft."},
                {"m2", "Tölgyesvárhely, Petőfi utca 12."},
                {"m3", "Kovács Éva"},
                {"m4", "Szőke Éva"},
                {"m5", "Tölgyesvárhely, Kossuth tér 3."},
                {"m7", "könyvelő"},
                {"m8", "2015.03.01."},
                {"m9", "312 450"},
                {"m13", "<b>Kovács Éva</b> (született Szőke Éva)"},
                {"datum", "2024.05.17."},
                {"azon", "123456789"}};
            if (const auto it = values.find(name); it != values.end())
                value = platform::fromUtf8(it->second);
        };
        report.BuildPreparedPages(true);
        // A failure to paint would show up as a slower, blank page; it is reported on stderr.
        view = std::make_unique<preview::TrpPreview>(preview::systemPreviewServices(
            [](const std::string& message) { std::fprintf(stderr, "%s\n", message.c_str()); }));
        view->Attach(&report);
        view->resize(deskWidth + 4, deskHeight + 4);
        view->show();
        QApplication::processEvents();
        view->StartUp();
    }
    preview::TrpPreviewWorkspace& desk() { return *view->Workspace(); }
};

// Made on first use, destroyed in main while the application object still exists.
std::unique_ptr<Certificate> theCertificate;

Certificate& certificate() {
    if (!theCertificate)
        theCertificate = std::make_unique<Certificate>();
    return *theCertificate;
}

QImage deskImage() {
    return QImage(deskWidth, deskHeight, QImage::Format_RGB32);
}

void paintDesk(benchmark::State& state, bool pictures) {
    Certificate& c = certificate();
    QImage image = deskImage();
    const platform::Rect area{0, 0, c.desk().ClientWidth(), c.desk().ClientHeight()};
    for (auto _ : state) {
        platform::PainterCanvas canvas(image, {false, 96, 96});
        c.desk().PaintArea(canvas, area, pictures);
    }
}

void BM_PreviewRepaint(benchmark::State& state) {
    paintDesk(state, true);
}

void BM_PreviewRepaintDrawingThePage(benchmark::State& state) {
    paintDesk(state, false);
}

void BM_PreviewWidgetRepaint(benchmark::State& state) {
    Certificate& c = certificate();
    for (auto _ : state)
        c.desk().viewport()->repaint();
}

// The page's text as glyph runs at the page's place, made once from a recording of the page.
std::vector<QGlyphRun> glyphRunsOfThePage() {
    Certificate& c = certificate();
    const platform::Rect page = c.desk().ClientPageRect(0);
    platform::RecordingCanvas recording;
    c.report.PreviewPages().PaintPage(0, recording, 1, 1, page.left, page.top);
    std::vector<QGlyphRun> runs;
    for (const platform::CanvasRecord& r : recording.records()) {
        if (r.kind != platform::CanvasRecord::Kind::TextOut)
            continue;
        const platform::GlyphLine glyphs = platform::glyphLineFor(r.font, r.text);
        const int ascent = platform::metricsFor(r.font).ascent;
        QList<QPointF> positions;
        int x = r.points[0].x;
        for (qsizetype i = 0; i < glyphs.glyphs.size(); ++i) {
            positions.push_back(QPointF(x, r.points[0].y + ascent));
            x += r.advances[static_cast<size_t>(i)];
        }
        QGlyphRun run;
        run.setRawFont(platform::rawFontFor(r.font));
        run.setGlyphIndexes(glyphs.glyphs);
        run.setPositions(positions);
        runs.push_back(run);
    }
    return runs;
}

void BM_BareGlyphRuns(benchmark::State& state) {
    const std::vector<QGlyphRun> runs = glyphRunsOfThePage();
    QImage image = deskImage();
    image.fill(Qt::white);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setPen(Qt::black);
        for (const QGlyphRun& run : runs)
            painter.drawGlyphRun(QPointF(0, 0), run);
    }
    state.counters["glyph_runs"] = static_cast<double>(runs.size());
}

BENCHMARK(BM_BareGlyphRuns)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PreviewRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PreviewRepaintDrawingThePage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PreviewWidgetRepaint)->Unit(benchmark::kMicrosecond);

// Prints the usual table, then each preview paint's time against the bare glyph runs'.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                times_[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto bare = times_.find("BM_BareGlyphRuns");
        if (bare == times_.end())
            return;
        for (const auto& [name, time] : times_)
            if (name != bare->first)
                std::printf("%s against the bare glyph runs: %.2f x\n", name.c_str(),
                            time / bare->second);
    }

private:
    std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    theCertificate.reset();
    return 0;
}
