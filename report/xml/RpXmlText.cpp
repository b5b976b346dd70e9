// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/xml/RpXmlText.h"

#include "platform/Error.h"

#include <algorithm>
#include <array>

namespace report {
namespace {

bool needsEscape(char c) {
    static constexpr auto escaped = [] {
        std::array<bool, 256> e{};
        for (unsigned char c : {'\n', '\r', '"', '&', '<', '>'})
            e[c] = true;
        return e;
    }();
    return escaped[static_cast<unsigned char>(c)];
}

} // namespace

std::string xmlEscape(std::string_view value) {
    // Most of a value needs no escape (a picture's hexadecimal bytes none at all): runs of plain
    // characters are copied at once.
    std::string out;
    out.reserve(value.size());
    size_t from = 0;
    for (;;) {
        size_t at = from;
        while (at < value.size() && !needsEscape(value[at]))
            ++at;
        out.append(value, from, at - from);
        if (at == value.size())
            return out;
        switch (value[at]) {
        case '\n':
            out += "&#10;";
            break;
        case '\r':
            out += "&#13;";
            break;
        case '"':
            out += "&#34;";
            break;
        case '&':
            out += "&#38;";
            break;
        case '<':
            out += "&#60;";
            break;
        default:
            out += "&#62;";
        }
        from = at + 1;
    }
}

std::string xmlUnescape(std::string_view value) {
    static constexpr std::pair<std::string_view, char> named[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    std::string out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '&') {
            const size_t next = std::min(value.find('&', i), value.size());
            out.append(value, i, next - i);
            i = next - 1;
            continue;
        }
        const size_t semicolon = value.find(';', i);
        if (semicolon == std::string_view::npos || semicolon - i > 8) {
            out += value[i];
            continue;
        }
        const std::string_view entity = value.substr(i + 1, semicolon - i - 1);
        bool decoded = false;
        if (entity.size() > 1 && entity[0] == '#') {
            const bool hex = entity[1] == 'x' || entity[1] == 'X';
            unsigned code = 0;
            bool digits = entity.size() > (hex ? 2u : 1u);
            for (char d : entity.substr(hex ? 2 : 1)) {
                const int v = d >= '0' && d <= '9'          ? d - '0'
                              : hex && d >= 'a' && d <= 'f' ? d - 'a' + 10
                              : hex && d >= 'A' && d <= 'F' ? d - 'A' + 10
                                                            : -1;
                if (v < 0)
                    digits = false;
                code = code * (hex ? 16 : 10) + static_cast<unsigned>(std::max(v, 0));
            }
            // Attribute values hold single bytes; larger references are not ours to decode.
            if (digits && code < 256) {
                out += static_cast<char>(code);
                decoded = true;
            }
        } else {
            for (const auto& [name, c] : named)
                if (entity == name) {
                    out += c;
                    decoded = true;
                }
        }
        if (decoded)
            i = semicolon;
        else
            out += value[i];
    }
    return out;
}

TrpAttributes parseAttributes(std::string_view text) {
    TrpAttributes attributes;
    size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() &&
               (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n'))
            ++i;
    };
    for (;;) {
        skipBlanks();
        if (i >= text.size())
            return attributes;
        const size_t nameStart = i;
        while (i < text.size() && text[i] != '=' && text[i] != ' ')
            ++i;
        const std::string name(text.substr(nameStart, i - nameStart));
        skipBlanks();
        if (name.empty() || i >= text.size() || text[i] != '=')
            throw platform::Error("Invalid attribute text near '" + name + "'");
        ++i;
        skipBlanks();
        if (i >= text.size() || text[i] != '"')
            throw platform::Error("Invalid attribute text near '" + name + "'");
        const size_t valueEnd = text.find('"', i + 1);
        if (valueEnd == std::string_view::npos)
            throw platform::Error("Unterminated value of '" + name + "'");
        attributes.emplace_back(name, xmlUnescape(text.substr(i + 1, valueEnd - i - 1)));
        i = valueEnd + 1;
    }
}

void appendAttribute(std::string& text, std::string_view name, std::string_view value) {
    if (!text.empty())
        text += ' ';
    text += name;
    text += "=\"";
    text += xmlEscape(value);
    text += '"';
}

} // namespace report
