// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The report as the objects of its tree, the prepared pages and the engine see it: the option
// groups, the run in progress, the error list, the host's events, the named styles and the
// services its objects ask for (expression values, the script's "Value", the shared text layout).
// The report itself (report/RpReport.h) derives from it and adds its script, the lookup chain
// behind Calc, the engine and the prepared pages, which the layers below it cannot know.
#include "report/expressions/RpVariant.h"
#include "report/objects/RpComponent.h"
#include "report/objects/RpOptions.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace report {

class TrpDrawText;
class TrpReportComponent;
class TrpReportPage;
class TrpStyleItem;
class TrpView;

// What the preparation engine tells the lookup chain and the prepared pages about the run in
// progress.
struct TrpRunState {
    TDateTime StartDate = 0;
    TDateTime StartTime = 0;
    int CurrentPageIndex = -1; // index of the prepared page being filled
    int RunFirstPage = 0;
    int TotalPages = 0; // the engine's count: 0 unless a double pass counted them
    int Line = 0;
    int LineThrough = 0;   // "Line#"
    bool Running = false;  // from the engine's reset to the end of its run
    bool FinalPass = true; // on the pass whose pages remain
};

class TrpCustomReport : public TrpComponent {
public:
    explicit TrpCustomReport(TrpComponent* owner = nullptr);
    ~TrpCustomReport() override;

    TrpEngineOptions EngineOptions;
    TrpPreviewOptions PreviewOptions;
    TrpPrintOptions PrintOptions;
    TrpReportOptions ReportOptions;
    std::string OnStartReport, OnStopReport; // script procedures

    std::function<void(TrpReportComponent*sender)> OnBeforePrint, OnAfterPrint;
    std::function<void(TrpComponent* page)> OnManualBuild;
    std::function<void(TrpView* sender, int button, int shift, bool& modified)> OnClickObject;
    std::function<void(TrpView* sender)> OnMouseOverObject;

    std::vector<std::unique_ptr<TrpStyleItem>> Styles;
    std::vector<std::string> ErrorList;
    std::string CurrentObjectName;
    TrpRunState Run;

    std::vector<TrpReportPage*> Pages() const;
    const TrpStyleItem* FindStyle(const std::string& name) const;

    // The value of an expression; a compile error adds its line to ErrorList and raises it.
    virtual TrpVariant Calc(const std::string& expression) = 0;
    // The report script's variable "Value": the last value of the text object just filled.
    virtual void SetScriptValue(const TrpVariant& value) = 0;

    // The text layout shared by the report's text objects.
    TrpDrawText& DrawText();

protected:
    void addLoadErrors(const std::vector<std::string>& errors) override;

private:
    std::unique_ptr<TrpDrawText> drawText_;
};

} // namespace report
