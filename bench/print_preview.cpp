// SPDX-License-Identifier: GPL-3.0-or-later
// The wait a clerk feels after Print: from the menu command of the filled certificate window to
// the end of the first paint of the preview's page at 100 % (preparation, the preview window,
// its page picture), in-process, against a bare Qt window shown maximized that paints the same
// page's glyph runs, lines and pictures (bench/BarePageWindow.h) until the end of its first
// paint, also in-process. bench_processes runs that window as a whole bare program too.
#include "bench/BarePageWindow.h"
#include "bench/FilledCertificate.h"

#include "app/CertificateWindow.h"
#include "app/Startup.h"
#include "platform/FontSubstitutes.h"
#include "preview/PreviewWorkspace.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <chrono>
#include <functional>

namespace {

using Clock = std::chrono::steady_clock;

// Notes when a paint event that the benchmark picks has been handled, and closes its window then.
class PaintClock : public QApplication {
public:
    using QApplication::QApplication;

    std::function<bool(QWidget*)> picks;
    Clock::time_point painted;
    bool seen = false;

    bool notify(QObject* receiver, QEvent* event) override {
        const bool result = QApplication::notify(receiver, event);
        if (event->type() == QEvent::Paint && !seen && picks && receiver->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(receiver);
            if (picks(widget)) {
                painted = Clock::now();
                seen = true;
                QTimer::singleShot(0, widget->window(), &QWidget::close);
            }
        }
        return result;
    }
};

PaintClock* paintClock() {
    return static_cast<PaintClock*>(qApp);
}

bool isPreviewPage(QWidget* widget) {
    auto* desk = dynamic_cast<preview::TrpPreviewWorkspace*>(widget->parentWidget());
    return desk && desk->viewport() == widget;
}

void BM_PrintToPreviewPainted(benchmark::State& state) {
    app::Forms forms = app::CreateForms();
    app::TForm1& window = *forms.form1;
    bench::fillCertificateWindow(window);
    window.show();
    PaintClock& clock = *paintClock();
    clock.picks = isPreviewPage;
    for (auto _ : state) {
        clock.seen = false;
        const Clock::time_point start = Clock::now();
        window.Nyomtats1->trigger(); // returns when the modal preview has closed
        if (!clock.seen) {
            state.SkipWithError("the preview's page was not painted");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(clock.painted - start).count());
    }
    clock.picks = nullptr;
}

void BM_BareWindowPainted(benchmark::State& state) {
    app::Forms forms = app::CreateForms();
    bench::fillCertificateWindow(*forms.form1);
    const bench::BarePage page = bench::recordCertificatePage(*forms.form1, 96);
    bench::BarePainter pagePainter(page);
    PaintClock& clock = *paintClock();
    for (auto _ : state) {
        clock.seen = false;
        const Clock::time_point start = Clock::now();
        bench::BarePageWindow window(pagePainter);
        clock.picks = [&window](QWidget* widget) { return widget == &window; };
        window.showMaximized();
        while (window.isVisible())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (!clock.seen) {
            state.SkipWithError("the bare window was not painted");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(clock.painted - start).count());
    }
    clock.picks = nullptr;
}

} // namespace

BENCHMARK(BM_BareWindowPainted)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BM_PrintToPreviewPainted)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    PaintClock application(argc, argv);
    platform::installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
