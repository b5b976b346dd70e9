// SPDX-License-Identifier: GPL-3.0-or-later
// Preparation of a TrpReport: BuildPreparedPages and the engine and prepared pages it fills.
#include "report/RpReport.h"
#include "report/RpReport_p.h"

#include "report/common/RpResources.h"
#include "report/engine/RpEngine.h"
#include "report/engine/RpErrorBox.h"
#include "report/objects/RpMemoView.h"
#include "report/prepared/RpPreviewPages.h"

#include "platform/Error.h"

#include <initializer_list>
#include <sstream>

namespace report {
namespace {

// The pattern with each "%s" replaced by the next argument.
std::string formatText(const std::string& pattern, std::initializer_list<std::string> arguments) {
    std::string text;
    auto argument = arguments.begin();
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern.compare(i, 2, "%s") == 0 && argument != arguments.end()) {
            text += *argument++;
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

// The script sees every named object of the report. The interpreter has no object members, so a
// text object stands for its text (readable and writable) and any other object, the report, the
// engine and the outline for null. Objects are found by name at each use: the objects of a run are
// replaced by fresh ones when the definition is restored.
void registerObjects(TrpReport& report) {
    InterpreterScope& scope = report.Script().Scope;
    for (TrpComponent* object : report.AllObjects()) {
        object->InEditor = false;
        object->PrepareForRun();
        const std::string name = object->Name();
        if (name.empty())
            continue;
        const auto memo = [&report, name] {
            return dynamic_cast<TrpCustomMemoView*>(report.FindByName(name));
        };
        scope.AddValue(
            name,
            [memo] {
                const TrpCustomMemoView* m = memo();
                return m ? TrpVariant(m->Text()) : TrpVariant::Null();
            },
            [memo, name](const TrpVariant& value) {
                TrpCustomMemoView* m = memo();
                if (!m)
                    throw platform::Error("Cannot assign to '" + name + "'");
                m->SetText(value.toString());
            });
    }
    for (const char* name : {"Report", "Engine", "Outline"})
        scope.AddValue(name, [] { return TrpVariant::Null(); });
}

bool prepareScript(TrpReport& report) {
    report.ExpressionCache().Clear();
    report.Script().Scope.Clear();
    registerObjects(report);
    report.RegisterScriptFunctions(); // Get, Set and "Value" (null)
    InterpreterScript& script = report.Script();
    script.Lines = report.ScriptText;
    script.Language = report.ScriptLanguage;
    if (script.Compile())
        return true;
    report.ErrorList.push_back(
        formatText(rpResource("clScrError"), {script.Error().Position(), script.Error().message}));
    return false;
}

} // namespace

TrpEngine& TrpReport::Engine() {
    return d_->engine;
}

TrpPreviewPages& TrpReport::PreviewPages() {
    return d_->previewPages;
}

const std::vector<TrpTextOverflow>& TrpReport::TextOverflows() const {
    return d_->previewPages.TextOverflows();
}

void TrpReport::showErrorBox() {
    if (ErrorBox)
        ErrorBox(rpResource("mbError"), rpErrorBoxText(ErrorList));
}

bool TrpReport::BuildPreparedPages(bool DiscardPrevious) {
    if (DiscardPrevious)
        PreviewPages().Clear();
    ErrorList.clear();
    for (const std::string& name : DataSets)
        ErrorList.push_back(formatText(rpResource("clDSNotExist"), {name})); // none exists here
    if (ErrorList.empty()) {
        const std::string snapshot = SaveToText();
        try {
            if (prepareScript(*this)) {
                if (Script().HasMainStatements())
                    Script().RunMain();
                if (!Engine().RunEngine() && OnClosePreview)
                    OnClosePreview();
            }
        } catch (const std::exception& e) {
            ErrorList.push_back(e.what());
        }
        const std::vector<std::string> errors = std::move(ErrorList);
        ErrorList.clear();
        Reloading = true;
        std::istringstream stream(snapshot);
        LoadFromStream(stream);
        if (!ErrorList.empty() && !EngineOptions.SilentMode)
            showErrorBox();
        Reloading = false;
        ErrorList = errors;
    }
    if (!ErrorList.empty() && !EngineOptions.SilentMode)
        showErrorBox();
    return ErrorList.empty();
}

} // namespace report
