// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/expressions/interpreter/InterpreterScope.h"

#include "platform/Error.h"

#include <cmath>

namespace report {

std::string upperAscii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

TrpVariant InterpreterEntry::read() const {
    switch (kind) {
    case Kind::Variable:
        return value;
    case Kind::Value:
        return get ? get() : TrpVariant::Null();
    case Kind::Function: {
        std::vector<TrpVariant> none;
        return call(none);
    }
    }
    return {};
}

void InterpreterEntry::write(const TrpVariant& v) {
    if (kind == Kind::Variable)
        value = v;
    else if (kind == Kind::Value && set)
        set(v);
    else
        throw platform::Error("Cannot assign to '" + name + "'");
}

std::shared_ptr<InterpreterEntry> InterpreterScope::add(const std::string& name,
                                                        InterpreterEntry entry) {
    entry.name = name;
    auto shared = std::make_shared<InterpreterEntry>(std::move(entry));
    entries_[upperAscii(name)] = shared;
    return shared;
}

std::shared_ptr<InterpreterEntry> InterpreterScope::AddVariable(const std::string& name,
                                                                const TrpVariant& value) {
    InterpreterEntry e;
    e.kind = InterpreterEntry::Kind::Variable;
    e.value = value;
    return add(name, std::move(e));
}

void InterpreterScope::AddValue(const std::string& name, std::function<TrpVariant()> get,
                                std::function<void(const TrpVariant&)> set) {
    InterpreterEntry e;
    e.kind = InterpreterEntry::Kind::Value;
    e.get = std::move(get);
    e.set = std::move(set);
    add(name, std::move(e));
}

void InterpreterScope::AddFunction(const std::string& name,
                                   std::function<TrpVariant(std::vector<TrpVariant>&)> call,
                                   int minArgs, int maxArgs) {
    InterpreterEntry e;
    e.kind = InterpreterEntry::Kind::Function;
    e.call = std::move(call);
    e.minArgs = minArgs;
    e.maxArgs = maxArgs;
    add(name, std::move(e));
}

std::shared_ptr<InterpreterEntry> InterpreterScope::Find(const std::string& name) const {
    const auto it = entries_.find(upperAscii(name));
    return it == entries_.end() ? nullptr : it->second;
}

std::shared_ptr<InterpreterEntry> InterpreterScope::Lookup(const std::string& name) const {
    for (const InterpreterScope* s = this; s; s = s->parent_)
        if (auto e = s->Find(name))
            return e;
    return this == &Globals() ? nullptr : Globals().Find(name);
}

const InterpreterScope& InterpreterScope::Globals() {
    static const InterpreterScope* globals = [] {
        auto* g = new InterpreterScope;
        using Args = std::vector<TrpVariant>;
        g->AddFunction(
            "IIF", [](Args& a) { return a[0].toBoolean() ? a[1] : a[2]; }, 3, 3);
        g->AddFunction(
            "Length",
            [](Args& a) { return TrpVariant(static_cast<int64_t>(a[0].toString().size())); }, 1, 1);
        g->AddFunction(
            "UpperCase", [](Args& a) { return TrpVariant(upperAscii(a[0].toString())); }, 1, 1);
        g->AddFunction(
            "Trim",
            [](Args& a) {
                const std::string s = a[0].toString();
                const size_t b = s.find_first_not_of(' ');
                return TrpVariant(b == std::string::npos
                                      ? std::string()
                                      : s.substr(b, s.find_last_not_of(' ') - b + 1));
            },
            1, 1);
        g->AddFunction(
            "Copy",
            [](Args& a) {
                const std::string s = a[0].toString();
                const int64_t from = std::max<int64_t>(a[1].toInteger(), 1) - 1;
                const int64_t count = std::max<int64_t>(a[2].toInteger(), 0);
                if (from >= static_cast<int64_t>(s.size()))
                    return TrpVariant(std::string());
                return TrpVariant(s.substr(static_cast<size_t>(from), static_cast<size_t>(count)));
            },
            3, 3);
        g->AddFunction(
            "Pos",
            [](Args& a) {
                const size_t p = a[1].toString().find(a[0].toString());
                return TrpVariant(static_cast<int64_t>(p == std::string::npos ? 0 : p + 1));
            },
            2, 2);
        g->AddFunction(
            "IntToStr", [](Args& a) { return TrpVariant(std::to_string(a[0].toInteger())); }, 1, 1);
        g->AddFunction(
            "Round",
            [](Args& a) { return TrpVariant(static_cast<int64_t>(std::llrint(a[0].toFloat()))); },
            1, 1);
        return g;
    }();
    return *globals;
}

} // namespace report
