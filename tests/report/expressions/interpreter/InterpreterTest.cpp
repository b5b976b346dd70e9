// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/expressions/interpreter/InterpreterScript.h"

#include "platform/Error.h"

#include <gtest/gtest.h>

using namespace report;

namespace {

// Compiles "function F: Variant; begin Result := <expr> end; begin end." and evaluates F.
TrpVariant eval(const std::string& expression, const InterpreterScope* scope = nullptr) {
    InterpreterScript script(scope);
    const bool ok =
        script.Compile("function F: Variant; begin Result := " + expression + " end; begin end.");
    EXPECT_TRUE(ok) << expression << ": " << script.Error().message << " at "
                    << script.Error().Position();
    return ok ? script.Call("F") : TrpVariant::Null();
}

InterpreterError compileError(const std::string& text) {
    InterpreterScript script;
    EXPECT_FALSE(script.Compile(text)) << text;
    return script.Error();
}

} // namespace

TEST(Interpreter, AcceptsTheTemplatesEmptyMainBlock) {
    InterpreterScript script;
    script.Lines = {"begin", "", "end."};
    ASSERT_TRUE(script.Compile());
    EXPECT_FALSE(script.HasMainStatements());
    script.RunMain();
}

TEST(Interpreter, ArithmeticFollowsPascalPrecedenceAndTypes) {
    EXPECT_EQ(eval("1+1"), TrpVariant(int64_t{2}));
    EXPECT_EQ(eval("2 + 3 * 4"), TrpVariant(int64_t{14}));
    EXPECT_EQ(eval("(2 + 3) * 4"), TrpVariant(int64_t{20}));
    EXPECT_EQ(eval("7 / 2"), TrpVariant(3.5));
    EXPECT_EQ(eval("7 div 2"), TrpVariant(int64_t{3}));
    EXPECT_EQ(eval("-7 mod 3"), TrpVariant(int64_t{-1}));
    EXPECT_EQ(eval("1.5 * 2"), TrpVariant(3.0));
    EXPECT_EQ(eval("-(2 - 5)"), TrpVariant(int64_t{3}));
    EXPECT_EQ(eval("$FF + 1"), TrpVariant(int64_t{256}));
    EXPECT_EQ(eval("1e3"), TrpVariant(1000.0));
    EXPECT_EQ(eval("'it''s' + ' ' + 'ok'#33"), TrpVariant(std::string("it's ok!")));
    EXPECT_EQ(eval("'2' + 3"), TrpVariant(5.0)); // a numeric string takes part in sums
}

TEST(Interpreter, ComparisonsAndLogic) {
    EXPECT_EQ(eval("1 < 2"), TrpVariant(true));
    EXPECT_EQ(eval("2 <= 1"), TrpVariant(false));
    EXPECT_EQ(eval("'a' <> 'b'"), TrpVariant(true));
    EXPECT_EQ(eval("'abc' = 'abc'"), TrpVariant(true));
    EXPECT_EQ(eval("(1 < 2) and (3 > 4)"), TrpVariant(false));
    EXPECT_EQ(eval("(1 < 2) or (3 > 4)"), TrpVariant(true));
    EXPECT_EQ(eval("True xor True"), TrpVariant(false));
    EXPECT_EQ(eval("not (1 = 1)"), TrpVariant(false));
    EXPECT_EQ(eval("6 and 3"), TrpVariant(int64_t{2})); // bitwise on integers
    EXPECT_EQ(eval("Null = Null"), TrpVariant(true));
    EXPECT_EQ(eval("Null < 1"), TrpVariant(false));
    EXPECT_TRUE(eval("Null + 1").isNull());
}

TEST(Interpreter, IifAndRegisteredNames) {
    InterpreterScope scope;
    int reads = 0;
    scope.AddValue("Memo1", [&reads] {
        ++reads;
        return TrpVariant(std::string("text"));
    });
    std::vector<std::string> calls;
    scope.AddFunction(
        "Log",
        [&calls](std::vector<TrpVariant>& a) {
            calls.push_back(a[0].toString());
            return TrpVariant();
        },
        1, 1);
    EXPECT_EQ(eval("IIF(memo1 = 'text', 'yes', 'no')", &scope), TrpVariant(std::string("yes")));
    EXPECT_EQ(reads, 1);
    scope.AddVariable("a", std::string("]"));
    EXPECT_EQ(eval("IIF(a = ']', 1, 2)", &scope), TrpVariant(int64_t{1}));

    InterpreterScript script(&scope);
    script.Scope.AddVariable("Counter", 0);
    ASSERT_TRUE(script.Compile("procedure Bump(n: Integer); begin Counter := Counter + n end;"
                               "begin Bump(2); Bump(3); if Counter = 5 then Log('five') else "
                               "Log('other'); while Counter < 8 do Counter := Counter + 1 end."));
    EXPECT_TRUE(script.HasMainStatements());
    script.RunMain();
    EXPECT_EQ(script.Scope.Find("counter")->read(), TrpVariant(int64_t{8}));
    EXPECT_EQ(calls, std::vector<std::string>{"five"});
}

TEST(Interpreter, CompiledProgramsAreReusableAndSeeCurrentValues) {
    InterpreterScope scope;
    auto x = scope.AddVariable("x", 1);
    InterpreterScript script(&scope);
    ASSERT_TRUE(script.Compile("function Twice(v: Integer): Variant; var t: Integer; begin t := "
                               "v * 2; Result := t + x end; begin end."));
    EXPECT_EQ(script.Call("twice", {TrpVariant(5)}), TrpVariant(int64_t{11}));
    x->write(100);
    EXPECT_EQ(script.Call("Twice", {TrpVariant(5)}), TrpVariant(int64_t{110}));
    EXPECT_THROW(script.Call("Twice"), platform::Error);
    EXPECT_THROW(script.Call("Missing"), platform::Error);
}

TEST(Interpreter, CompileErrorsCarryMessageAndPosition) {
    InterpreterError e = compileError("function _f0: Variant; begin Result := m1 end; begin end.");
    EXPECT_EQ(e.message, "Undeclared identifier: 'm1'");
    EXPECT_EQ(e.line, 1);
    EXPECT_EQ(e.column, 40);
    EXPECT_EQ(e.Position(), "1:40");

    e = compileError("begin\r\n  x := 1 +\r\nend.");
    EXPECT_EQ(e.line, 3);
    EXPECT_EQ(e.column, 1);
    EXPECT_NE(e.message.find("end"), std::string::npos);

    e = compileError("begin end");
    EXPECT_EQ(e.message, "'.' expected but end of text found");
    e = compileError("begin 'abc end.");
    EXPECT_EQ(e.message, "Unterminated string");
    EXPECT_EQ(e.column, 7);
    e = compileError("begin IIF(1, 2) end.");
    EXPECT_EQ(e.message, "Not enough actual parameters");
    e = compileError("begin end. x");
    EXPECT_EQ(e.message, "Text after the end of the program");
    e = compileError("begin 1 ? 2 end.");
    EXPECT_EQ(e.message, "Illegal character '?'");
    e = compileError("begin { never closed end.");
    EXPECT_EQ(e.message, "Unterminated comment");

    InterpreterScript basic;
    basic.Language = "Basic";
    EXPECT_FALSE(basic.Compile("begin end."));
    EXPECT_EQ(basic.Error().message, "Unknown script language: Basic");
}

TEST(Interpreter, RuntimeErrorsRaiseWithoutCrashing) {
    InterpreterScript script;
    ASSERT_TRUE(
        script.Compile("function F: Variant; begin Result := 1 div 0 end;"
                       "function Loop(n: Integer): Variant; begin Result := Loop(n + 1) "
                       "end; function G: Variant; begin Result := 'a' * 2 end; begin end."));
    EXPECT_THROW(script.Call("F"), platform::Error);
    EXPECT_THROW(script.Call("Loop", {TrpVariant(0)}), platform::Error);
    EXPECT_THROW(script.Call("G"), platform::Error);
}

TEST(Interpreter, AbsurdNestingIsACompileErrorNotAStackOverflow) {
    const std::string deep = std::string(100000, '(') + "1" + std::string(100000, ')');
    const InterpreterError e =
        compileError("function F: Variant; begin Result := " + deep + " end; begin end.");
    EXPECT_EQ(e.message, "Expression too complex");
}
