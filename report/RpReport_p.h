// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The private part of TrpReport: the report script, the expressions compiled against its scope,
// the engine and the prepared pages. Only the report's own sources include it.
#include "report/RpReport.h"
#include "report/engine/RpEngine.h"
#include "report/expressions/interpreter/InterpreterScript.h"
#include "report/expressions/interpreter/RpExpressionCache.h"
#include "report/prepared/RpPreviewPages.h"

#include <memory>
#include <string>
#include <vector>

namespace report {

struct TrpReport::Private {
    explicit Private(TrpReport& report)
        : cache(&script.Scope)
        , previewPages(report)
        , engine(report, previewPages, script) {}

    InterpreterScript script;
    TrpExpressionCache cache;
    // Upper-case names of the report variables whose expressions are being evaluated.
    std::vector<std::string> variablesInEvaluation;
    TrpPreviewPages previewPages;
    TrpEngine engine;
};

} // namespace report
