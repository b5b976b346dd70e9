// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/engine/RpEngine.h"

#include "report/common/RpProperties.h"
#include "report/engine/RpBandLinks.h"
#include "report/expressions/interpreter/InterpreterScript.h"
#include "report/objects/RpOtherViews.h"
#include "report/prepared/RpPreviewPages.h"

#include <QDateTime>
#include <algorithm>
#include <cmath>
#include <exception>
#include <memory>

namespace report {
namespace {

bool isBlank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

bool overlapsHorizontally(const TrpComponent& a, const TrpComponent& b) {
    return a.Left < b.Left + b.Width && b.Left < a.Left + a.Width;
}

// Sets a flag for the lifetime of the guard and puts the old value back.
class FlagGuard {
public:
    explicit FlagGuard(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~FlagGuard() { flag_ = old_; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    bool& flag_;
    bool old_;
};

} // namespace

TrpEngine::TrpEngine(TrpCustomReport& report, TrpPreviewPages& pages, InterpreterScript& script)
    : report_(report)
    , pages_(pages)
    , script_(script) {}

bool TrpEngine::DoublePass() const {
    return report_.EngineOptions.DoublePass;
}

TDateTime TrpEngine::StartDate() const {
    return report_.Run.StartDate;
}

TDateTime TrpEngine::StartTime() const {
    return report_.Run.StartTime;
}

int TrpEngine::TotalPages() const {
    return report_.Run.TotalPages;
}

void TrpEngine::RunScriptProcedure(const std::string& name, TrpComponent* sender) {
    if (!Running() || isBlank(name))
        return;
    const InterpreterRoutine* routine =
        script_.Program() ? script_.Program()->FindRoutine(name) : nullptr;
    std::vector<TrpVariant> arguments;
    if (routine && routine->parameterCount == 1)
        arguments.emplace_back(sender ? sender->Name() : std::string());
    script_.Call(name, std::move(arguments));
}

bool TrpEngine::resetForRun() {
    pages().ResetForRun();
    const TDateTime now = toDateTime(QDateTime::currentDateTime());
    report_.Run.StartDate = std::floor(now);
    report_.Run.StartTime = now;
    report_.Run.Running = true;
    // Dialog pages would be prepared as windows here; this program has none.
    for (TrpReportPage* page : report_.Pages()) {
        pages().FileSourcePage(*page);
        LinkBands(*page, report_.ErrorList);
    }
    if (!report_.ErrorList.empty())
        report_.Run.Running = false;
    return report_.Run.Running;
}

bool TrpEngine::RunEngine() {
    if (!resetForRun())
        return false;
    try {
        RunScriptProcedure(report_.OnStartReport, &report_);
        report_.Run.FinalPass = !DoublePass();
        report_.Run.TotalPages = 0;
        pages().MarkPassStart();
        runReportPages();
        if (DoublePass()) {
            report_.Run.TotalPages = pages().PageCount();
            pages().DropPassPages();
            report_.Run.FinalPass = true;
            runReportPages();
        }
    } catch (...) {
        stopRun(true);
        throw;
    }
    stopRun(false);
    return true;
}

// OnStopReport and the end of the run happen in every case; quiet drops an error of OnStopReport
// because another one is already on its way.
void TrpEngine::stopRun(bool quiet) {
    std::exception_ptr error;
    try {
        RunScriptProcedure(report_.OnStopReport, &report_);
    } catch (...) {
        error = std::current_exception();
    }
    pages().EndFilling();
    report_.Run.Running = false;
    report_.Run.FinalPass = true;
    page_ = nullptr;
    headers_.clear();
    footers_.clear();
    if (error && !quiet)
        std::rethrow_exception(error);
}

void TrpEngine::runReportPages() {
    firstPageOfRun_ = true;
    report_.Run.Line = 0;
    report_.Run.LineThrough = 0;
    // Pages that a sub-report runs are output only through it.
    std::vector<std::string> subreportPages;
    for (TrpComponent* object : report_.AllObjects())
        if (auto* subreport = dynamic_cast<TrpSubreport*>(object))
            subreportPages.push_back(subreport->SubPage);
    for (TrpReportPage* page : report_.Pages()) {
        if (pages().StopRequested)
            break;
        const bool subreport = std::any_of(
            subreportPages.begin(), subreportPages.end(), [page](const std::string& name) {
                return !name.empty() && sameTextIgnoringCase(name, page->Name());
            });
        if (page->Visible && !subreport)
            outputDesignPage(*page);
    }
}

void TrpEngine::outputDesignPage(TrpReportPage& page) {
    page_ = &page;
    rows_.clear();
    RunScriptProcedure(page.OnBeforePrint, &page);
    // Without data sets no master data band produces a record, so with PrintIfEmpty off the page
    // produces nothing.
    if (report_.EngineOptions.PrintIfEmpty) {
        startPage();
        outputPageObjects();
        if (report_.OnManualBuild)
            report_.OnManualBuild(&page);
        else if (!isBlank(page.OnManualBuild))
            RunScriptProcedure(page.OnManualBuild, &page);
        ShowBand<TrpReportSummary>();
        lastPage_ = true;
        CloseOutputPage();
        lastPage_ = false;
    }
    RunScriptProcedure(page.OnAfterPrint, &page);
}

void TrpEngine::startPage() {
    TrpReportPage& page = *page_;
    headers_.clear();
    TrpBand* title = firstBand<TrpReportTitle>();
    TrpBand* header = firstBand<TrpPageHeader>();
    for (TrpBand* band :
         page.TitleBeforeHeader ? std::vector{title, header} : std::vector{header, title})
        if (band)
            headers_.push_back(band);
    footers_.clear();
    for (TrpBand* band : {static_cast<TrpBand*>(firstBand<TrpColumnFooter>()),
                          static_cast<TrpBand*>(firstBand<TrpPageFooter>())})
        if (band)
            footers_.push_back(band);
    PageHeight = page.PaperHeight() * fr01cm - page.TopMargin * fr01cm - page.BottomMargin * fr01cm;
    PageWidth = page.PaperWidth() * fr01cm - page.LeftMargin * fr01cm - page.RightMargin * fr01cm;
    footerHeight_ = 0;
    for (const TrpBand* band : footers_)
        footerHeight_ += band->Height;
    CurX = 0;
    CurY = 0;
    CurColumn = 1;
    firstPage_ = true;
    lastPage_ = false;
    if (pages().PageCount() > 0 && page.PrintOnPreviousPage) {
        pages().SetCurrentPageIndex(pages().PageCount() - 1);
        CurY = lowestBandBottom(pages().CurrentPageIndex());
        ShowBand(title);
    } else {
        startOutputPage();
    }
    if (firstPageOfRun_) {
        pages().SetRunFirstPage(pages().CurrentPageIndex());
        firstPageOfRun_ = false;
    }
    columnTop_ = CurY;
    if (TrpBand* columnHeader = firstBand<TrpColumnHeader>()) {
        {
            FlagGuard starting(startingPage_);
            ShowBand(columnHeader);
        }
        headers_.push_back(columnHeader);
    }
    std::erase(headers_, title); // the title is output once
}

void TrpEngine::startOutputPage() {
    FlagGuard starting(startingPage_);
    pages().AppendOutputPage(*page_);
    CurY = 0;
    ShowBand<TrpOverlay>();
    CurY = 0; // the overlay takes no space
    for (TrpBand* band : std::vector(headers_)) {
        if (dynamic_cast<TrpPageHeader*>(band) && !band->PrintOnFirstPage && firstPage_)
            continue;
        if (dynamic_cast<TrpColumnHeader*>(band))
            columnTop_ = CurY;
        ShowBand(band);
    }
}

void TrpEngine::CloseOutputPage() {
    FlagGuard starting(startingPage_);
    CurY = PageHeight - footerHeight_;
    for (TrpBand* band : std::vector(footers_)) {
        if (dynamic_cast<TrpPageFooter*>(band) &&
            ((firstPage_ && !band->PrintOnFirstPage) || (lastPage_ && !band->PrintOnLastPage)))
            continue;
        ShowBand(band);
    }
    firstPage_ = false;
}

void TrpEngine::NewPage() {
    CloseOutputPage();
    CurColumn = 1;
    CurX = 0;
    startOutputPage();
}

void TrpEngine::NewColumn() {
    if (!page_ || CurColumn >= page_->Columns()) {
        NewPage();
        return;
    }
    ++CurColumn;
    const size_t column = static_cast<size_t>(CurColumn - 1);
    CurX = (column < page_->ColumnPositions.size()
                ? page_->ColumnPositions[column]
                : static_cast<double>(column) * page_->ColumnWidth) *
           fr01cm;
    CurY = columnTop_;
    FlagGuard starting(startingPage_);
    ShowBand<TrpColumnHeader>();
}

double TrpEngine::FreeSpace() const {
    return PageHeight - footerHeight_ - CurY;
}

void TrpEngine::StopReport() {
    pages().StopRequested = true;
}

TrpVariant TrpEngine::AggregateValue(const std::string&) {
    return TrpVariant::Null();
}

// Objects lying directly on the page are lent to a null band that stays at (0, 0): they keep
// their design positions, and its height of 0 takes no space.
void TrpEngine::outputPageObjects() {
    auto band = std::make_unique<TrpNullBand>(nullptr);
    for (TrpComponent* object : page_->Objects())
        if (!dynamic_cast<TrpBand*>(object))
            band->Objects().push_back(object);
    // The objects stay with the page: the band must not destroy them, whatever happens.
    struct Lender {
        TrpNullBand& band;
        ~Lender() { band.Objects().clear(); }
    } lender{*band};
    ShowBand(band.get());
}

bool TrpEngine::breaksPages(const TrpBand& band) const {
    return !startingPage_ && !dynamic_cast<const TrpNullBand*>(&band) &&
           !dynamic_cast<const TrpOverlay*>(&band);
}

void TrpEngine::ShowBand(TrpBand* band) {
    if (!band)
        return;
    const bool rowBand = dynamic_cast<TrpDataBand*>(band) || dynamic_cast<TrpGroupHeader*>(band);
    if (band->Visible && rowBand) {
        ++rows_[band];
        if (dynamic_cast<TrpDataBand*>(band)) {
            ++report_.Run.Line;
            ++report_.Run.LineThrough;
        }
    }
    if (band->Visible && band->StartNewPage && breaksPages(*band) && (!rowBand || rows_[band] > 1))
        NewPage();
    const std::vector<TrpComponent*> original = band->Objects();
    size_t prepared = 0;
    try {
        fillBand(*band, prepared);
        if (band->Visible)
            placeAndStore(*band);
    } catch (...) {
        releaseBand(*band, prepared, original, true);
        throw;
    }
    releaseBand(*band, prepared, original, false);
}

// prepared counts the objects whose output state was saved, so that exactly those are restored.
void TrpEngine::fillBand(TrpBand& band, size_t& prepared) {
    report_.CurrentObjectName = band.Name();
    band.SaveOutputState();
    if (report_.OnBeforePrint)
        report_.OnBeforePrint(&band);
    RunScriptProcedure(band.OnBeforePrint, &band);
    if (!band.Visible)
        return;
    const std::vector<TrpComponent*> objects = band.Objects();
    for (TrpComponent* object : objects) {
        report_.CurrentObjectName = object->Name();
        object->SaveOutputState();
        ++prepared;
        auto* component = dynamic_cast<TrpReportComponent*>(object);
        if (report_.OnBeforePrint && component)
            report_.OnBeforePrint(component);
        if (auto* view = dynamic_cast<TrpView*>(object))
            RunScriptProcedure(view->OnBeforePrint, view);
    }
    for (TrpComponent* object : objects) {
        if (!object->Visible)
            continue;
        report_.CurrentObjectName = object->Name();
        object->FillValue();
        if (auto* view = dynamic_cast<TrpView*>(object))
            RunScriptProcedure(view->OnAfterData, view);
    }
    stretchObjects(band);
}

void TrpEngine::stretchObjects(TrpBand& band) {
    const std::vector<TrpComponent*> objects = band.Objects();
    for (TrpComponent* object : objects) {
        auto* stretcheable = dynamic_cast<TrpStretcheable*>(object);
        if (!stretcheable || !stretcheable->Visible || stretcheable->StretchMode == smDontStretch)
            continue;
        const double needed = stretcheable->CalcHeight();
        if (needed <= stretcheable->Height)
            continue;
        const double oldBottom = stretcheable->Top + stretcheable->Height;
        const double growth = needed - stretcheable->Height;
        stretcheable->Height = needed;
        const double newBottom = oldBottom + growth;
        for (TrpComponent* other : objects) {
            auto* view = dynamic_cast<TrpView*>(other);
            if (!view || view == stretcheable || view->Top < oldBottom ||
                !overlapsHorizontally(*view, *stretcheable))
                continue;
            if (view->ShiftMode == smAlways ||
                (view->ShiftMode == smWhenOverlapped && view->Top < newBottom))
                view->Top += growth;
        }
    }
    double contentBottom = 0;
    for (const TrpComponent* object : objects)
        if (object->Visible)
            contentBottom = std::max(contentBottom, object->Top + object->Height);
    if (band.Stretched)
        band.Height = contentBottom;
    RunScriptProcedure(band.OnAfterCalcHeight, &band);
    for (TrpComponent* object : objects) {
        auto* stretcheable = dynamic_cast<TrpStretcheable*>(object);
        if (stretcheable && stretcheable->Visible && stretcheable->StretchMode == smMaxHeight)
            stretcheable->Height = contentBottom - stretcheable->Top;
    }
}

void TrpEngine::placeAndStore(TrpBand& band) {
    // Splitting is not supported: a band that does not fit moves on whole, once, so that a band
    // taller than a page is still output.
    const bool multiColumnData = dynamic_cast<TrpDataBand*>(&band) && page_ && page_->Columns() > 1;
    if (breaksPages(band) && !multiColumnData && FreeSpace() < band.Height)
        NewColumn();
    if (!dynamic_cast<TrpNullBand*>(&band)) {
        band.Left = CurX;
        band.Top = CurY;
    }
    pages().StoreBandTree(band);
    CurY += band.Height;
}

void TrpEngine::releaseBand(TrpBand& band, size_t prepared,
                            const std::vector<TrpComponent*>& original, bool quiet) {
    std::exception_ptr error;
    const auto guarded = [&error](const auto& step) {
        try {
            step();
        } catch (...) {
            if (!error)
                error = std::current_exception();
        }
    };
    const auto release = [&](TrpComponent& object) {
        report_.CurrentObjectName = object.Name();
        auto* component = dynamic_cast<TrpReportComponent*>(&object);
        if (report_.OnAfterPrint && component)
            guarded([&] { report_.OnAfterPrint(component); });
        if (auto* view = dynamic_cast<TrpView*>(&object))
            guarded([&] { RunScriptProcedure(view->OnAfterPrint, view); });
        else if (&object == &band)
            guarded([&] { RunScriptProcedure(band.OnAfterPrint, &band); });
        object.RestoreOutputState();
    };
    for (size_t i = 0; i < prepared && i < original.size(); ++i)
        release(*original[i]);
    release(band);
    for (TrpComponent* object : std::vector(band.Objects()))
        if (std::find(original.begin(), original.end(), object) == original.end())
            delete object;
    if (error && !quiet)
        std::rethrow_exception(error);
}

double TrpEngine::lowestBandBottom(int pageIndex) {
    double bottom = 0;
    if (TrpPage* page = pages().RebuildPage(pageIndex))
        for (const TrpComponent* object : page->Objects())
            if (dynamic_cast<const TrpBand*>(object))
                bottom = std::max(bottom, object->Top + object->Height);
    return bottom;
}

} // namespace report
