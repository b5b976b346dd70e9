#pragma once
// The root of a report tree: its pages are its children. Besides its published properties it
// keeps the variables, the error list, the name of the object being output, the report script
// and the expression cache, and answers expressions (Calc) through the lookup chain and the
// script interpreter.
#include "report/expressions/RpVariables.h"
#include "report/expressions/interpreter/InterpreterScript.h"
#include "report/expressions/interpreter/RpExpressionCache.h"
#include "report/objects/RpComponent.h"
#include "report/objects/RpOptions.h"
#include "report/objects/RpStyles.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace report {

class TrpEngine;
class TrpPreviewPages;
class TrpDrawText;
class TrpReportComponent;
class TrpReportPage;
class TrpView;

// The host's variable handler: leaving value empty declines the name.
using TrpGetValueEvent = std::function<void(const std::string& varName, TrpVariant& value)>;

// What the preparation engine tells the lookup chain about the run in progress.
struct TrpRunState {
    TDateTime StartDate = 0;
    TDateTime StartTime = 0;
    int CurrentPageIndex = -1; // index of the prepared page being filled
    int RunFirstPage = 0;
    int TotalPages = 0; // the engine's count: 0 unless a double pass counted them
    int Line = 0;
    int LineThrough = 0; // "Line#"
};

class TrpReport : public TrpComponent {
public:
    explicit TrpReport(TrpComponent* owner = nullptr);
    ~TrpReport() override;

    bool DotMatrixReport = false;
    TrpEngineOptions EngineOptions;
    TrpPreviewOptions PreviewOptions;
    TrpPrintOptions PrintOptions;
    TrpReportOptions ReportOptions;
    std::string IniFile = "\\Software\\ReportEngine\\Reports";
    std::string DataSetName;
    std::string ScriptLanguage = "Pascal";
    std::vector<std::string> ScriptText;
    std::string OnStartReport, OnStopReport; // script procedures

    std::function<void(TrpReportComponent*sender)> OnBeforePrint, OnAfterPrint;
    TrpGetValueEvent OnGetValue;
    std::function<void(TrpComponent* page)> OnManualBuild;
    std::function<void(TrpView* sender, int button, int shift, bool& modified)> OnClickObject;
    std::function<void(TrpView* sender)> OnMouseOverObject;
    std::function<TrpVariant(const std::string& method, std::vector<TrpVariant>& params)>
        OnUserFunction;

    TrpVariables Variables;
    std::vector<std::string> DataSets; // names; this program has none
    std::vector<std::unique_ptr<TrpStyleItem>> Styles;
    std::vector<std::string> ErrorList;
    std::string CurrentObjectName;
    std::vector<std::string> SystemVariables;
    TrpRunState Run;
    // The engine's aggregate values (SUM, MIN, MAX, AVG, COUNT); null without an engine.
    std::function<TrpVariant(const std::string& expression)> AggregateValue;
    // Set while the report restores its definition after a run.
    bool Reloading = false;

    std::vector<TrpReportPage*> Pages() const;
    const TrpStyleItem* FindStyle(const std::string& name) const;

    // Destroys the pages and empties variables, data sets and styles, resets the option groups,
    // the script ("begin", "", "end.") and the system-variable names.
    void Clear() override;

    // The value of an expression: a name some lookup answers, or else the compiled expression.
    // A compile error adds "[object: ]Hiba a kifejezésben '<expr>': <message>" to ErrorList and
    // raises it.
    TrpVariant Calc(const std::string& expression);
    // Data set field, system variable, report variable, aggregate, script variable, then the
    // host's OnGetValue; true when one of them answered.
    bool LookUpName(const std::string& expression, TrpVariant& value);
    // The script functions Get and Set.
    TrpVariant Get(const std::string& name);
    void Set(const std::string& name, const TrpVariant& value);

    // The text layout shared by the report's text objects.
    TrpDrawText& DrawText();

    InterpreterScript& Script() { return script_; }
    TrpExpressionCache& ExpressionCache() { return cache_; }
    // Registers Get, Set and the variable "Value" with the report script.
    void RegisterScriptFunctions();
    // The report script's variable "Value": the last value of the text object just filled.
    void SetScriptValue(const TrpVariant& value);

    // Restoring a snapshot: keeps the own name and the current engine options (but ConvertNulls
    // and DoublePass), preview options (but OutlineVisible and OutlineWidth) and IniFile.
    void LoadFromStream(std::istream& stream) override;
    // The stored definition as XML text, and reading one: the report takes every value it holds,
    // its name included.
    std::string SaveToText();
    void LoadDefinition(const std::string& text);

    void WriteExtraNodes(TrpXMLItem& node) override;
    bool ReadExtraNode(const TrpXMLItem& node, std::vector<std::string>& errors) override;

    // Prepares the report into its prepared pages (after clearing them when DiscardPrevious):
    // snapshot of the definition, script, engine run, restore of the definition. True when the run
    // recorded no error; otherwise the error lines stay in ErrorList and, unless
    // EngineOptions.SilentMode, the error box shows them (RpErrorBox.h).
    bool BuildPreparedPages(bool DiscardPrevious);
    // The engine and the prepared pages (PageCount, StopRequested, PaintPage ...) for the preview
    // and the print job.
    TrpEngine& Engine();
    TrpPreviewPages& PreviewPages();
    // Called when a preparation fails while a preview of this report is open: the host closes it.
    std::function<void()> OnClosePreview;

    std::string NameStem() const override { return "Report"; }
    const char* ClassName() const override { return "TrpReport"; }
    void DefineProperties(TrpPropertyList& properties) override;

protected:
    void addLoadErrors(const std::vector<std::string>& errors) override;

private:
    bool systemVariable(const std::string& name, TrpVariant& value) const;

    InterpreterScript script_;
    TrpExpressionCache cache_;
    std::vector<std::string> variablesInEvaluation_;
    std::unique_ptr<TrpEngine> engine_;
    std::unique_ptr<TrpPreviewPages> previewPages_;
    std::unique_ptr<TrpDrawText> drawText_;
};

} // namespace report
