// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/expressions/interpreter/InterpreterCompiler.h"

#include "platform/Error.h"

#include <map>

namespace report {
namespace {

// Nesting beyond this is no report expression; refusing it keeps the compiler's recursion bounded.
constexpr int maxNesting = 200;

struct Literal : InterpreterExpression {
    TrpVariant value;
    explicit Literal(TrpVariant v) : value(std::move(v)) {}
    TrpVariant eval(InterpreterFrame&) const override { return value; }
};

struct LocalRef : InterpreterExpression {
    size_t slot;
    explicit LocalRef(size_t s) : slot(s) {}
    TrpVariant eval(InterpreterFrame& f) const override { return f.locals[slot]; }
};

struct EntryCall : InterpreterExpression {
    std::shared_ptr<InterpreterEntry> entry;
    InterpreterExpressions args;
    TrpVariant eval(InterpreterFrame& f) const override {
        if (entry->kind != InterpreterEntry::Kind::Function)
            return entry->read();
        std::vector<TrpVariant> values;
        for (const auto& a : args)
            values.push_back(a->eval(f));
        return entry->call(values);
    }
};

struct RoutineCall : InterpreterExpression {
    const InterpreterRoutine* routine;
    InterpreterExpressions args;
    TrpVariant eval(InterpreterFrame& f) const override {
        std::vector<TrpVariant> values;
        for (const auto& a : args)
            values.push_back(a->eval(f));
        return routine->call(std::move(values));
    }
};

struct Binary : InterpreterExpression {
    InterpreterOp op;
    std::unique_ptr<InterpreterExpression> left, right;
    TrpVariant eval(InterpreterFrame& f) const override {
        return applyBinary(op, left->eval(f), right->eval(f));
    }
};

struct Unary : InterpreterExpression {
    bool isNot;
    std::unique_ptr<InterpreterExpression> operand;
    TrpVariant eval(InterpreterFrame& f) const override {
        const TrpVariant v = operand->eval(f);
        return isNot ? applyNot(v) : applyNegate(v);
    }
};

struct AssignLocal : InterpreterStatement {
    size_t slot;
    std::unique_ptr<InterpreterExpression> value;
    void exec(InterpreterFrame& f) const override { f.locals[slot] = value->eval(f); }
};

struct AssignEntry : InterpreterStatement {
    std::shared_ptr<InterpreterEntry> entry;
    std::unique_ptr<InterpreterExpression> value;
    void exec(InterpreterFrame& f) const override { entry->write(value->eval(f)); }
};

struct Evaluate : InterpreterStatement {
    std::unique_ptr<InterpreterExpression> call;
    void exec(InterpreterFrame& f) const override { call->eval(f); }
};

struct Block : InterpreterStatement {
    InterpreterStatements statements;
    void exec(InterpreterFrame& f) const override {
        for (const auto& s : statements)
            s->exec(f);
    }
};

struct IfThen : InterpreterStatement {
    std::unique_ptr<InterpreterExpression> condition;
    std::unique_ptr<InterpreterStatement> then, otherwise;
    void exec(InterpreterFrame& f) const override {
        if (condition->eval(f).toBoolean())
            then->exec(f);
        else if (otherwise)
            otherwise->exec(f);
    }
};

struct WhileDo : InterpreterStatement {
    std::unique_ptr<InterpreterExpression> condition;
    std::unique_ptr<InterpreterStatement> body;
    void exec(InterpreterFrame& f) const override {
        while (condition->eval(f).toBoolean())
            body->exec(f);
    }
};

class Parser {
public:
    Parser(std::vector<InterpreterToken> tokens, const InterpreterScope& scope)
        : tokens_(std::move(tokens))
        , scope_(scope) {}

    std::shared_ptr<InterpreterProgram> program() {
        auto program = std::make_shared<InterpreterProgram>();
        program_ = program.get();
        while (peek().isKeyword("function") || peek().isKeyword("procedure"))
            routine();
        expectKeyword("begin");
        program->main = statementList();
        expectKeyword("end");
        expect(".");
        if (peek().kind != InterpreterToken::Kind::End)
            fail("Text after the end of the program");
        return program;
    }

private:
    const InterpreterToken& peek() const { return tokens_[pos_]; }
    const InterpreterToken& next() {
        const InterpreterToken& t = tokens_[pos_];
        if (t.kind != InterpreterToken::Kind::End)
            ++pos_;
        return t;
    }
    [[noreturn]] void fail(const std::string& message) const { failAt(message, peek()); }
    [[noreturn]] void failAt(const std::string& message, const InterpreterToken& at) const {
        throw InterpreterSyntaxError{{message, at.line, at.column}};
    }
    std::string describe(const InterpreterToken& t) const {
        if (t.kind == InterpreterToken::Kind::End)
            return "end of text";
        if (t.kind == InterpreterToken::Kind::String)
            return "string constant";
        if (t.kind == InterpreterToken::Kind::Integer || t.kind == InterpreterToken::Kind::Float)
            return "number";
        return "'" + t.text + "'";
    }
    void expect(const char* symbol) {
        if (!peek().is(symbol))
            fail(std::string("'") + symbol + "' expected but " + describe(peek()) + " found");
        next();
    }
    void expectKeyword(const char* word) {
        if (!peek().isKeyword(word))
            fail(std::string("'") + word + "' expected but " + describe(peek()) + " found");
        next();
    }
    std::string identifier() {
        if (peek().kind != InterpreterToken::Kind::Identifier || isReserved(peek()))
            fail("Identifier expected but " + describe(peek()) + " found");
        return next().text;
    }
    static bool isReserved(const InterpreterToken& t) {
        for (const char* word : {"begin", "end", "function", "procedure", "var", "if", "then",
                                 "else", "while", "do", "div", "mod", "and", "or", "xor", "not"})
            if (t.isKeyword(word))
                return true;
        return false;
    }

    // function F(a, b: T; c: T): T; var x: T; begin ... end;
    void routine() {
        auto r = std::make_unique<InterpreterRoutine>();
        r->isFunction = next().isKeyword("function");
        r->name = identifier();
        locals_.clear();
        if (r->isFunction)
            locals_["RESULT"] = 0;
        if (peek().is("(")) {
            next();
            while (!peek().is(")")) {
                if (peek().isKeyword("var") || peek().isKeyword("const"))
                    next();
                for (;;) {
                    declareLocal(identifier());
                    ++r->parameterCount;
                    if (!peek().is(","))
                        break;
                    next();
                }
                expect(":");
                identifier();
                if (!peek().is(";"))
                    break;
                next();
            }
            expect(")");
        }
        if (r->isFunction) {
            expect(":");
            identifier();
        }
        expect(";");
        if (peek().isKeyword("var")) {
            next();
            while (peek().kind == InterpreterToken::Kind::Identifier && !isReserved(peek())) {
                for (;;) {
                    declareLocal(identifier());
                    if (!peek().is(","))
                        break;
                    next();
                }
                expect(":");
                identifier();
                expect(";");
            }
        }
        // Declared before its body, so that it can call itself.
        InterpreterRoutine* routine = r.get();
        program_->routines.push_back(std::move(r));
        expectKeyword("begin");
        routine->body = statementList();
        expectKeyword("end");
        expect(";");
        routine->localCount = static_cast<int>(locals_.size());
        locals_.clear();
    }

    void declareLocal(const std::string& name) {
        const std::string key = upperAscii(name);
        if (locals_.count(key))
            fail("Identifier redeclared: '" + name + "'");
        const size_t slot = locals_.size();
        locals_[key] = slot;
    }

    InterpreterStatements statementList() {
        InterpreterStatements list;
        for (;;) {
            if (!peek().isKeyword("end") && !peek().is(";"))
                list.push_back(statement());
            if (!peek().is(";"))
                return list;
            next();
        }
    }

    std::unique_ptr<InterpreterStatement> statement() {
        const Nesting nesting(*this);
        if (peek().isKeyword("begin")) {
            next();
            auto block = std::make_unique<Block>();
            block->statements = statementList();
            expectKeyword("end");
            return block;
        }
        if (peek().isKeyword("if")) {
            next();
            auto s = std::make_unique<IfThen>();
            s->condition = expression();
            expectKeyword("then");
            s->then = statementOrEmpty();
            if (peek().isKeyword("else")) {
                next();
                s->otherwise = statementOrEmpty();
            }
            return s;
        }
        if (peek().isKeyword("while")) {
            next();
            auto s = std::make_unique<WhileDo>();
            s->condition = expression();
            expectKeyword("do");
            s->body = statementOrEmpty();
            return s;
        }
        const InterpreterToken& start = peek();
        const std::string name = identifier();
        if (peek().is(":=")) {
            next();
            auto value = expression();
            if (const auto local = locals_.find(upperAscii(name)); local != locals_.end()) {
                auto s = std::make_unique<AssignLocal>();
                s->slot = local->second;
                s->value = std::move(value);
                return s;
            }
            const auto entry = scope_.Lookup(name);
            if (!entry)
                failAt("Undeclared identifier: '" + name + "'", start);
            if (!entry->writable())
                failAt("Left side cannot be assigned to", start);
            auto s = std::make_unique<AssignEntry>();
            s->entry = entry;
            s->value = std::move(value);
            return s;
        }
        auto s = std::make_unique<Evaluate>();
        s->call = reference(name, start);
        return s;
    }

    std::unique_ptr<InterpreterStatement> statementOrEmpty() {
        if (peek().is(";") || peek().isKeyword("end") || peek().isKeyword("else"))
            return std::make_unique<Block>();
        return statement();
    }

    std::unique_ptr<InterpreterExpression> expression() {
        const Nesting nesting(*this);
        auto left = simpleExpression();
        static const std::pair<const char*, InterpreterOp> relations[] = {
            {"=", InterpreterOp::Equal},      {"<>", InterpreterOp::NotEqual},
            {"<", InterpreterOp::Less},       {">", InterpreterOp::Greater},
            {"<=", InterpreterOp::LessEqual}, {">=", InterpreterOp::GreaterEqual}};
        for (const auto& [symbol, op] : relations)
            if (peek().is(symbol)) {
                next();
                return binary(op, std::move(left), simpleExpression());
            }
        return left;
    }

    std::unique_ptr<InterpreterExpression> simpleExpression() {
        auto left = term();
        for (;;) {
            InterpreterOp op;
            if (peek().is("+"))
                op = InterpreterOp::Add;
            else if (peek().is("-"))
                op = InterpreterOp::Subtract;
            else if (peek().isKeyword("or"))
                op = InterpreterOp::Or;
            else if (peek().isKeyword("xor"))
                op = InterpreterOp::Xor;
            else
                return left;
            next();
            left = binary(op, std::move(left), term());
        }
    }

    std::unique_ptr<InterpreterExpression> term() {
        auto left = factor();
        for (;;) {
            InterpreterOp op;
            if (peek().is("*"))
                op = InterpreterOp::Multiply;
            else if (peek().is("/"))
                op = InterpreterOp::Divide;
            else if (peek().isKeyword("div"))
                op = InterpreterOp::IntDiv;
            else if (peek().isKeyword("mod"))
                op = InterpreterOp::Mod;
            else if (peek().isKeyword("and"))
                op = InterpreterOp::And;
            else
                return left;
            next();
            left = binary(op, std::move(left), factor());
        }
    }

    std::unique_ptr<InterpreterExpression> factor() {
        const Nesting nesting(*this);
        const InterpreterToken& t = peek();
        switch (t.kind) {
        case InterpreterToken::Kind::Integer:
            next();
            return std::make_unique<Literal>(TrpVariant(t.integer));
        case InterpreterToken::Kind::Float:
            next();
            return std::make_unique<Literal>(TrpVariant(t.number));
        case InterpreterToken::Kind::String:
            next();
            return std::make_unique<Literal>(TrpVariant(t.text));
        case InterpreterToken::Kind::End:
            fail("Expression expected but end of text found");
        default:
            break;
        }
        if (t.is("(")) {
            next();
            auto inner = expression();
            expect(")");
            return inner;
        }
        if (t.is("-") || t.is("+") || t.isKeyword("not")) {
            const bool isNot = t.isKeyword("not"), isPlus = t.is("+");
            next();
            auto operand = factor();
            if (isPlus)
                return operand;
            auto u = std::make_unique<Unary>();
            u->isNot = isNot;
            u->operand = std::move(operand);
            return u;
        }
        if (t.isKeyword("true") || t.isKeyword("false")) {
            next();
            return std::make_unique<Literal>(TrpVariant(t.isKeyword("true")));
        }
        if (t.isKeyword("null")) {
            next();
            return std::make_unique<Literal>(TrpVariant::Null());
        }
        if (t.kind != InterpreterToken::Kind::Identifier || isReserved(t))
            fail("Expression expected but " + describe(t) + " found");
        const std::string name = identifier();
        return reference(name, t);
    }

    // A name in an expression or as a statement: a local, a routine of this program or a scope
    // entry, called with the arguments that follow in parentheses.
    std::unique_ptr<InterpreterExpression> reference(const std::string& name,
                                                     const InterpreterToken& at) {
        if (const auto local = locals_.find(upperAscii(name)); local != locals_.end())
            return std::make_unique<LocalRef>(local->second);
        InterpreterExpressions args = arguments();
        const int count = static_cast<int>(args.size());
        if (const InterpreterRoutine* routine = program_->FindRoutine(name)) {
            if (count != routine->parameterCount)
                failAt(count < routine->parameterCount ? "Not enough actual parameters"
                                                       : "Too many actual parameters",
                       at);
            auto call = std::make_unique<RoutineCall>();
            call->routine = routine;
            call->args = std::move(args);
            return call;
        }
        const auto entry = scope_.Lookup(name);
        if (!entry)
            failAt("Undeclared identifier: '" + name + "'", at);
        const bool isFunction = entry->kind == InterpreterEntry::Kind::Function;
        if (isFunction && count < entry->minArgs)
            failAt("Not enough actual parameters", at);
        if ((isFunction && count > entry->maxArgs) || (!isFunction && count > 0))
            failAt("Too many actual parameters", at);
        auto call = std::make_unique<EntryCall>();
        call->entry = entry;
        call->args = std::move(args);
        return call;
    }

    InterpreterExpressions arguments() {
        InterpreterExpressions args;
        if (!peek().is("("))
            return args;
        next();
        if (!peek().is(")"))
            for (;;) {
                args.push_back(expression());
                if (!peek().is(","))
                    break;
                next();
            }
        expect(")");
        return args;
    }

    static std::unique_ptr<InterpreterExpression>
    binary(InterpreterOp op, std::unique_ptr<InterpreterExpression> left,
           std::unique_ptr<InterpreterExpression> right) {
        auto b = std::make_unique<Binary>();
        b->op = op;
        b->left = std::move(left);
        b->right = std::move(right);
        return b;
    }

    struct Nesting {
        Parser& parser;
        explicit Nesting(Parser& p) : parser(p) {
            if (++parser.depth_ > maxNesting)
                parser.fail("Expression too complex");
        }
        ~Nesting() { --parser.depth_; }
    };

    std::vector<InterpreterToken> tokens_;
    size_t pos_ = 0;
    const InterpreterScope& scope_;
    InterpreterProgram* program_ = nullptr;
    std::map<std::string, size_t> locals_;
    int depth_ = 0;
};

} // namespace

std::shared_ptr<InterpreterProgram>
compileScript(const std::string& text, const InterpreterScope& scope, InterpreterError& error) {
    try {
        Parser parser(tokenize(text), scope);
        return parser.program();
    } catch (const InterpreterSyntaxError& e) {
        error = e.error;
        return nullptr;
    }
}

} // namespace report
