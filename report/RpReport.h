// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The root of a report tree: its pages are its children. Besides its published properties it
// keeps the variables, the report script with its compiled expressions, the engine and the
// prepared pages, and answers expressions (Calc) through the lookup chain and the script
// interpreter. What the layers below see of it is objects/RpCustomReport.h; the script and the
// expression cache stay in its private part (RpReport_p.h).
#include "report/engine/RpErrorBox.h"
#include "report/expressions/RpVariables.h"
#include "report/objects/RpCustomReport.h"
#include "report/objects/RpTextOverflow.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace report {

class InterpreterScript;
class TrpEngine;
class TrpExpressionCache;
class TrpPreviewPages;

// The host's variable handler: leaving value empty declines the name.
using TrpGetValueEvent = std::function<void(const std::string& varName, TrpVariant& value)>;

class TrpReport : public TrpCustomReport {
public:
    explicit TrpReport(TrpComponent* owner = nullptr);
    ~TrpReport() override;

    bool DotMatrixReport = false;
    std::string IniFile = "\\Software\\ReportEngine\\Reports";
    std::string DataSetName;
    std::string ScriptLanguage = "Pascal";
    std::vector<std::string> ScriptText;

    TrpGetValueEvent OnGetValue;
    std::function<TrpVariant(const std::string& method, std::vector<TrpVariant>& params)>
        OnUserFunction;
    // The host's box for the errors of a preparation (engine/RpErrorBox.h); without one the error
    // lines only stay in ErrorList.
    TrpErrorBoxHandler ErrorBox;

    TrpVariables Variables;
    std::vector<std::string> DataSets; // names; this program has none
    std::vector<std::string> SystemVariables;
    // The engine's aggregate values (SUM, MIN, MAX, AVG, COUNT); null without an engine.
    std::function<TrpVariant(const std::string& expression)> AggregateValue;
    // Set while the report restores its definition after a run.
    bool Reloading = false;

    // Destroys the pages and empties variables, data sets and styles, resets the option groups,
    // the script ("begin", "", "end.") and the system-variable names.
    void Clear() override;

    // The value of an expression: a name some lookup answers, or else the compiled expression.
    // A compile error adds "[object: ]Hiba a kifejezésben '<expr>': <message>" to ErrorList and
    // raises it.
    TrpVariant Calc(const std::string& expression) override;
    // Data set field, system variable, report variable, aggregate, script variable, then the
    // host's OnGetValue; true when one of them answered.
    bool LookUpName(const std::string& expression, TrpVariant& value);
    // The script functions Get and Set.
    TrpVariant Get(const std::string& name);
    void Set(const std::string& name, const TrpVariant& value);

    InterpreterScript& Script();
    TrpExpressionCache& ExpressionCache();
    // Registers Get, Set and the variable "Value" with the report script.
    void RegisterScriptFunctions();
    void SetScriptValue(const TrpVariant& value) override;

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
    // EngineOptions.SilentMode, ErrorBox shows them.
    bool BuildPreparedPages(bool DiscardPrevious);
    // The engine and the prepared pages (PageCount, StopRequested, PaintPage ...) for the preview
    // and the print job.
    TrpEngine& Engine();
    TrpPreviewPages& PreviewPages();
    // The text objects of the prepared pages whose laid-out text does not fit their rectangles:
    // each preparation adds its own, discarding the prepared pages empties the list.
    const std::vector<TrpTextOverflow>& TextOverflows() const;
    // Called when a preparation fails while a preview of this report is open: the host closes it.
    std::function<void()> OnClosePreview;

    std::string NameStem() const override { return "Report"; }
    const char* ClassName() const override { return "TrpReport"; }
    void DefineProperties(TrpPropertyList& properties) override;

private:
    struct Private;

    bool systemVariable(const std::string& name, TrpVariant& value) const;
    void showErrorBox();

    std::unique_ptr<Private> d_;
};

} // namespace report
