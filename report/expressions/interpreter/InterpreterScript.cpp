// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/expressions/interpreter/InterpreterScript.h"

#include "report/common/RpProperties.h"

#include "platform/Error.h"

namespace report {

bool InterpreterScript::Compile() {
    std::string text;
    for (const std::string& line : Lines)
        text += line + "\r\n";
    return Compile(text);
}

bool InterpreterScript::Compile(const std::string& text) {
    program_.reset();
    error_ = {};
    if (!sameTextIgnoringCase(Language, "Pascal")) {
        error_ = {"Unknown script language: " + Language, 1, 1};
        return false;
    }
    program_ = compileScript(text, Scope, error_);
    return program_ != nullptr;
}

void InterpreterScript::RunMain() const {
    if (program_)
        program_->RunMain();
}

TrpVariant InterpreterScript::Call(const std::string& routine,
                                   std::vector<TrpVariant> arguments) const {
    if (!program_)
        throw platform::Error("Script is not compiled");
    return program_->Call(routine, std::move(arguments));
}

} // namespace report
