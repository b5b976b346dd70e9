// SPDX-License-Identifier: GPL-3.0-or-later
// Script and expression text given to the interpreter's compiler.
#include "report/expressions/interpreter/InterpreterCompiler.h"
#include "report/expressions/interpreter/InterpreterScope.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const report::InterpreterScope scope;
    report::InterpreterError error;
    report::compileScript(std::string(reinterpret_cast<const char*>(data), size), scope, error);
    return 0;
}
