// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The preparation engine: walks the report's pages, starts output pages, places bands one below
// the other while tracking the vertical position CurY, outputs the objects lying directly on a
// page, and hands everything to the prepared pages.
//
// Bands supported: the overlay, report title, page header (PrintOnFirstPage), column header,
// the objects lying directly on a page (in a null band at (0, 0)), bands a host or script shows
// with ShowBand (page breaks and columns when they do not fit, StartNewPage, stretching and
// shifting, Stretched bands), the report summary, column footer and page footer
// (PrintOnFirstPage, PrintOnLastPage), in this output order. Data bands over data sets, groups,
// splitting, sub-reports, vertical bands, aggregates and dialog pages are not run: this program
// has no data sets and no such bands.
#include "report/expressions/RpVariant.h"
#include "report/objects/RpBands.h"
#include "report/objects/RpCustomReport.h"
#include "report/objects/RpPage.h"

#include <map>
#include <string>
#include <vector>

namespace report {

class InterpreterScript;
class TrpPreviewPages;

class TrpEngine {
public:
    // The report's engine: it fills the report's prepared pages and runs the report script's
    // event procedures.
    TrpEngine(TrpCustomReport& report, TrpPreviewPages& pages, InterpreterScript& script);

    // Output position inside the printable area of the current output page, report units.
    double CurX = 0;
    double CurY = 0;
    int CurColumn = 1;
    int CurVColumn = 0;
    // The printable area of the current design page, report units.
    double PageHeight = 0;
    double PageWidth = 0;
    // True on the pass whose pages remain.
    bool FinalPass() const { return report_.Run.FinalPass; }

    bool DoublePass() const;
    TDateTime StartDate() const;
    TDateTime StartTime() const;
    // 0, or the page count of the first pass of a double-pass run.
    int TotalPages() const;
    bool Running() const { return report_.Run.Running; }
    TrpReportPage* CurrentPage() const { return page_; }

    // One run over all report pages into the prepared pages: false when the bands of a page
    // cannot be linked (the lines are in ErrorList) or a dialog was cancelled. The report's
    // OnStopReport and the end of the run happen even when an error ends the run; the error then
    // goes on to the caller.
    bool RunEngine();

    // Outputs a band at the current position (see the header comment); a band that does not fit
    // the free space goes to a new column or page first.
    void ShowBand(TrpBand* band);
    // The current page's first band of that class, if it has one.
    template <class Band>
    void ShowBand() {
        ShowBand(firstBand<Band>());
    }
    void NewPage();
    void NewColumn();
    // PageHeight − footer height − CurY.
    double FreeSpace() const;
    // Ends the page and record loops; the print job uses the same flag.
    void StopReport();
    void CloseOutputPage();
    // Aggregates are collected from data bands, which this build does not run: always null.
    TrpVariant AggregateValue(const std::string& expression);

    // Runs a script procedure named by an event property; nothing when the name is empty or the
    // engine is not running. A procedure with one parameter receives the object's name.
    void RunScriptProcedure(const std::string& name, TrpComponent* sender);

private:
    template <class Band>
    Band* firstBand() const {
        if (page_)
            for (TrpComponent* object : page_->Objects())
                if (auto* band = dynamic_cast<Band*>(object))
                    return band;
        return nullptr;
    }
    bool resetForRun();
    void runReportPages();
    void outputDesignPage(TrpReportPage& page);
    void startPage();
    void startOutputPage();
    void outputPageObjects();
    void fillBand(TrpBand& band, size_t& prepared);
    void stretchObjects(TrpBand& band);
    void placeAndStore(TrpBand& band);
    void releaseBand(TrpBand& band, size_t prepared, const std::vector<TrpComponent*>& original,
                     bool quiet);
    bool breaksPages(const TrpBand& band) const;
    double lowestBandBottom(int pageIndex);
    void stopRun(bool quiet);
    TrpPreviewPages& pages() const { return pages_; }

    TrpCustomReport& report_;
    TrpPreviewPages& pages_;
    InterpreterScript& script_;
    TrpReportPage* page_ = nullptr;
    std::vector<TrpBand*> headers_;
    std::vector<TrpBand*> footers_;
    double footerHeight_ = 0;
    double columnTop_ = 0;
    bool firstPage_ = false;
    bool lastPage_ = false;
    bool firstPageOfRun_ = false;
    // Set while the bands that start or end a page or column are shown: they neither break pages
    // nor start new ones.
    bool startingPage_ = false;
    std::map<const TrpBand*, int> rows_; // outputs of data bands and group headers on this page
};

} // namespace report
