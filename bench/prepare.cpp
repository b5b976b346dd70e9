// SPDX-License-Identifier: GPL-3.0-or-later
// Preparation of long reports: a page header, a page footer and objects lying on the page, and a
// data band of text objects and a line that the host shows row after row (19 rows a page). Reports
// time and heap per prepared page for 100 and for 1 000 pages; the ratio of the two per-page
// figures shows how the cost grows with the page count (1.0: linear).
#include "report/RpReport.h"
#include "report/engine/RpEngine.h"
#include "report/objects/RpBands.h"
#include "report/objects/RpLineView.h"
#include "report/objects/RpMemoView.h"
#include "report/objects/RpPage.h"
#include "report/prepared/RpPreviewPages.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>

using namespace report;

namespace {

constexpr int rowsPerPage = 19;

size_t heapInUse() {
    return mallinfo2().uordblks;
}

struct LongReport {
    TrpReport report;
    int rows = 0;

    explicit LongReport(int pages) : rows(pages * rowsPerPage) {
        auto* page = rpCreate<TrpReportPage>(&report);
        page->LeftMargin = page->RightMargin = page->TopMargin = page->BottomMargin = 10;
        const auto memo = [](TrpComponent* parent, double left, double top, const char* text) {
            auto* m = rpCreate<TrpMemoView>(parent);
            m->SetBounds(left, top, 180, 18);
            m->Memo = {text};
            m->Frame.Typ = bitOf(ftBottom);
            return m;
        };
        auto* header = rpCreate<TrpPageHeader>(page);
        header->Height = 30;
        memo(header, 0, 5, "KF2718 [Page#]");
        auto* footer = rpCreate<TrpPageFooter>(page);
        footer->Height = 30;
        memo(footer, 500, 5, "[Page#] / [TotalPages#]");
        memo(page, 300, 2, "Munk\xE1ltat\xF3i igazol\xE1s");
        auto* data = rpCreate<TrpMasterData>(page);
        data->Height = 50;
        memo(data, 0, 0, "[Line#].");
        memo(data, 60, 0, "[name]");
        memo(data, 250, 0, "[amount] Ft");
        memo(data, 450, 0, "fix text that stays as designed");
        auto* rule = rpCreate<TrpLineView>(data);
        rule->SetBounds(0, 45, 700, 0);
        report.OnGetValue = [](const std::string& name, TrpVariant& value) {
            if (name == "name")
                value = std::string("Kov\xE1"
                                    "cs J\xE1nos");
            else if (name == "amount")
                value = 123456;
        };
        report.OnManualBuild = [this, data](TrpComponent*) {
            for (int i = 0; i < rows; ++i)
                report.Engine().ShowBand(data);
        };
    }
};

struct Figures {
    double secondsPerPage = 0;
    double heapPerPage = 0;
};
std::map<int, Figures> figures;

void BM_Prepare(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    LongReport r(pages);
    size_t peak = 0, before = 0, after = 0;
    r.report.PreviewPages().OnPageAdded = [&peak](int) { peak = std::max(peak, heapInUse()); };
    double seconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        r.report.PreviewPages().Clear();
        malloc_trim(0);
        before = heapInUse();
        peak = before;
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        if (!r.report.BuildPreparedPages(true))
            state.SkipWithError("preparation failed");
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        after = heapInUse();
    }
    if (r.report.PreviewPages().PageCount() != pages)
        state.SkipWithError("unexpected page count");
    const double perPage = 1.0 / pages;
    state.counters["us_per_page"] =
        seconds / static_cast<double>(state.iterations()) * 1e6 * perPage;
    state.counters["kept_bytes_per_page"] = static_cast<double>(after - before) * perPage;
    state.counters["peak_bytes_per_page"] = static_cast<double>(peak - before) * perPage;
    figures[pages] = {seconds / static_cast<double>(state.iterations()) * perPage,
                      static_cast<double>(after - before) * perPage};
}
BENCHMARK(BM_Prepare)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (figures.contains(100) && figures.contains(1000)) {
        const Figures& small = figures[100];
        const Figures& large = figures[1000];
        std::printf("per-page cost, 1000 pages against 100 pages: time x%.2f, kept heap x%.2f\n",
                    large.secondsPerPage / small.secondsPerPage,
                    large.heapPerPage / small.heapPerPage);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident set of the whole run: %ld KiB\n", usage.ru_maxrss);
    return 0;
}
