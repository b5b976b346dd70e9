// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FormText.h"

#include "controls/Edit.h"
#include "controls/FieldKinds.h"
#include "controls/NumEdit.h"
#include "controls/RichEdit.h"
#include "platform/Cp1250.h"
#include "platform/Error.h"

#include <QLineEdit>
#include <algorithm>
#include <optional>
#include <string>
#include <typeinfo>
#include <utility>

namespace app {
namespace {

using controls::TEdit;
using controls::TNumEdit;
using controls::TRichEdit;
using controls::TStyledEdit;
using controls::TStyledLUEdit;
using controls::TStyledStringGrid;
using controls::TUiCheckBox;
using controls::TUiCheckGroup;
using controls::TUiMaskEdit;
using controls::TUiRadioGroup;

std::string nameOf(const QObject* component) {
    return component->objectName().toStdString();
}

std::string textOf(const QLineEdit* edit) {
    return platform::toCp1250(edit->text());
}

void setTextOf(QLineEdit* edit, const std::string& value) {
    edit->setText(platform::toUnicode(value));
}

// The first pass: every kind the component is of, or derives from, gives its lines, in this order.
template <class Add>
void linesOf(QObject* c, Add&& add) {
    const std::string prefix = nameOf(c) + "_";
    if (auto* e = qobject_cast<TEdit*>(c))
        add(prefix + textOf(e));
    if (auto* e = qobject_cast<TStyledLUEdit*>(c))
        add(prefix + textOf(e));
    if (auto* e = qobject_cast<TNumEdit*>(c))
        add(prefix + textOf(e));
    if (auto* e = qobject_cast<TStyledEdit*>(c))
        add(prefix + textOf(e));
    if (auto* e = qobject_cast<TRichEdit*>(c))
        add(prefix + e->Text());
    if (auto* e = qobject_cast<TUiMaskEdit*>(c))
        add(prefix + textOf(e));
    if (auto* g = qobject_cast<TUiRadioGroup*>(c))
        add(prefix + std::to_string(g->ItemIndex()));
    if (auto* b = qobject_cast<TUiCheckBox*>(c))
        add(prefix + (b->isChecked() ? "i" : "n"));
    if (auto* g = qobject_cast<TStyledStringGrid*>(c))
        for (int col = 1; col < g->ColCount(); ++col)
            for (int row = 1; row < g->RowCount(); ++row)
                add(prefix + "[" + std::to_string(col) + "," + std::to_string(row) + "]" +
                    g->Cell(col, row));
    if (auto* g = qobject_cast<TUiCheckGroup*>(c))
        for (int k = 0; k < g->Count(); ++k)
            add(prefix + "[" + std::to_string(k) + "]" + (g->Checked(k) ? "i" : "n"));
}

bool sameNameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z')
            x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = static_cast<char>(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

QObject* findComponent(const std::vector<QObject*>& components, std::string_view name) {
    for (QObject* c : components)
        if (sameNameIgnoringCase(nameOf(c), name))
            return c;
    return nullptr;
}

// Reads the "[...]" part of a grid or check-group line: the text between the first "[" and the
// first
// "]" of the raw line, and the value after that "]". False when either bracket is missing.
bool bracketedPart(const std::string& raw, std::string& inside, std::string& value) {
    const size_t open = raw.find('[');
    const size_t close = raw.find(']');
    if (open == std::string::npos || close == std::string::npos)
        return false;
    inside = close > open ? raw.substr(open + 1, close - open - 1) : std::string();
    value = raw.substr(close + 1);
    return true;
}

// The second pass applies a line by the component's exact kind.
template <class Kind>
Kind* exactly(QObject* c) {
    return c->metaObject() == &Kind::staticMetaObject ? static_cast<Kind*>(c) : nullptr;
}

void applyLine(QObject* c, const std::string& value, const std::string& raw) {
    if (auto* e = exactly<TEdit>(c))
        setTextOf(e, value);
    else if (auto* e = exactly<TStyledLUEdit>(c))
        setTextOf(e, value);
    else if (auto* e = exactly<TNumEdit>(c))
        setTextOf(e, value);
    else if (auto* e = exactly<TStyledEdit>(c))
        setTextOf(e, value);
    else if (auto* e = exactly<TRichEdit>(c))
        e->AppendToText(value);
    else if (auto* e = exactly<TUiMaskEdit>(c))
        setTextOf(e, value);
    else if (auto* g = exactly<TUiRadioGroup>(c)) {
        if (!value.empty())
            g->SetItemIndex(platform::strToInt(value));
    } else if (auto* b = exactly<TUiCheckBox>(c))
        b->setChecked(value == "i");
    else if (auto* g = exactly<TStyledStringGrid>(c)) {
        std::string inside, cell;
        if (!bracketedPart(raw, inside, cell))
            return;
        const size_t comma = inside.find(',');
        const std::string col =
            comma == std::string::npos ? std::string() : inside.substr(0, comma);
        const std::string row = comma == std::string::npos ? inside : inside.substr(comma + 1);
        g->SetCell(platform::strToInt(col), platform::strToInt(row), cell);
    } else if (auto* g = exactly<TUiCheckGroup>(c)) {
        std::string inside, mark;
        if (bracketedPart(raw, inside, mark))
            g->SetChecked(platform::strToInt(inside), mark == "i");
    }
}

} // namespace

void ComposeFormText(const std::vector<QObject*>& components, TRichEdit& first, TRichEdit& second) {
    first.Clear();
    second.Clear();
    for (QObject* c : components)
        linesOf(c, [&](const std::string& line) { first.Add(line); });
    second.Add(kFormTextMarker);

    std::string lastName;
    for (int i = 0; i < first.Count(); ++i) {
        const std::string& line = first.Line(i);
        const size_t p = line.find('_');
        if (p != std::string::npos) {
            if (p + 1 < line.size()) {
                lastName = line.substr(0, p);
                second.Add(line);
            }
        } else if (!line.empty()) {
            second.Add("$" + lastName + "_" + line);
        }
    }
}

bool IsWellFormedFormText(const std::vector<QObject*>& components, std::string_view text) {
    // The lines Save can write, in its order, whether the component holds several lines, and
    // whether Save always writes it: a numeric edit always holds a number (its text is never
    // empty), so a save without its line has lost it.
    struct Slot {
        std::string name;
        bool multiLine;
        bool alwaysWritten;
        bool seen = false;
    };
    std::vector<Slot> lines;
    for (QObject* c : components)
        linesOf(c, [&](const std::string&) {
            lines.push_back({nameOf(c), exactly<TRichEdit>(c) != nullptr,
                             qobject_cast<TNumEdit*>(c) != nullptr});
        });

    constexpr std::string_view lineEnd = "\r\n";
    if (!text.ends_with(lineEnd))
        return false;
    const auto holdable = [](char c) { return platform::isFieldCharacter(platform::toUnicode(c)); };
    size_t next = 0; // the first slot that a further field line may take
    std::optional<size_t> current;
    bool marker = true;
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find(lineEnd, start);
        const std::string_view line = text.substr(start, end - start);
        start = end + lineEnd.size();
        if (!std::all_of(line.begin(), line.end(), holdable))
            return false; // a lone CR or LF is a control character as well
        if (std::exchange(marker, false)) {
            if (line != kFormTextMarker)
                return false;
            continue;
        }
        const bool continuation = line.starts_with('$');
        const std::string_view body = continuation ? line.substr(1) : line;
        const size_t p = body.find('_');
        // Save drops a line whose value is empty.
        if (p == std::string_view::npos || p == 0 || p + 1 == body.size())
            return false;
        const std::string_view name = body.substr(0, p);
        if (continuation) {
            // The further lines of a multi-line value carry the name of the line kept before them.
            const bool multiLineFollows =
                current && std::any_of(lines.begin() + static_cast<ptrdiff_t>(*current),
                                       lines.end(), [](const Slot& s) { return s.multiLine; });
            if (!multiLineFollows || !sameNameIgnoringCase(lines[*current].name, name))
                return false;
            continue;
        }
        while (next < lines.size() && !sameNameIgnoringCase(lines[next].name, name))
            ++next;
        if (next == lines.size())
            return false;
        lines[next].seen = true;
        current = next++;
    }
    return std::all_of(lines.begin(), lines.end(),
                       [](const Slot& s) { return s.seen || !s.alwaysWritten; });
}

void RestoreFormText(const std::vector<QObject*>& components, const TRichEdit& second) {
    std::string previousName;
    for (int i = 1; i < second.Count(); ++i) {
        const std::string& raw = second.Line(i);
        // Only the leading "$" marks a continuation line; a "$" inside a value is part of it.
        std::string working = !raw.empty() && raw[0] == '$' ? raw.substr(1) : raw;
        size_t p = working.find('_');
        if (p == std::string::npos) {
            if (i == 1)
                continue; // no name at all: nothing to set
            working = previousName + "_" + working;
            p = previousName.size();
        }
        const std::string name = working.substr(0, p);
        QObject* component = findComponent(components, name);
        if (!component) {
            // An unknown name is skipped, and so are the continuation lines that follow it.
            previousName = name;
            continue;
        }
        applyLine(component, working.substr(p + 1), raw);
        previousName = nameOf(component);
    }
}

} // namespace app
