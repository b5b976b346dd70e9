// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/common/RpProperties.h"

#include "platform/Error.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace report {
namespace {

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

[[noreturn]] void invalid(const std::string& text, const char* what) {
    throw platform::Error("'" + text + "' is not a valid " + what + " value");
}

std::string trimmed(const std::string& s) {
    const size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

} // namespace

bool sameTextIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i]))
            return false;
    return true;
}

bool TrpProperty::isDefault() const {
    if (stored)
        return !stored();
    return get() == defaultText;
}

std::string boolText(bool value) {
    return value ? "True" : "False";
}

bool textToBool(const std::string& text) {
    if (sameTextIgnoringCase(text, "True") || text == "1")
        return true;
    if (sameTextIgnoringCase(text, "False") || text == "0")
        return false;
    invalid(text, "Boolean");
}

std::string floatText(double value) {
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

double textToFloat(const std::string& text) {
    const std::string t = trimmed(text);
    double value = 0;
    const auto result = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || result.ec != std::errc() || result.ptr != t.data() + t.size())
        invalid(text, "floating point");
    return value;
}

int textToInt(const std::string& text) {
    return platform::strToInt(text);
}

std::string colorText(platform::TColor value) {
    return std::to_string(value);
}

platform::TColor textToColor(const std::string& text) {
    // Colours are written unsigned; a signed or hexadecimal form reads as the same 32 bits.
    const std::string t = trimmed(text);
    uint32_t value = 0;
    const auto result = std::from_chars(t.data(), t.data() + t.size(), value);
    if (!t.empty() && result.ec == std::errc() && result.ptr == t.data() + t.size())
        return value;
    return static_cast<platform::TColor>(platform::strToInt(t));
}

std::string enumText(int value, EnumNames names) {
    if (value >= 0 && static_cast<size_t>(value) < names.size())
        return std::string(names[static_cast<size_t>(value)]);
    return std::to_string(value);
}

int textToEnum(const std::string& text, EnumNames names) {
    for (size_t i = 0; i < names.size(); ++i)
        if (sameTextIgnoringCase(text, std::string(names[i])))
            return static_cast<int>(i);
    const int ordinal = platform::strToInt(text);
    if (ordinal < 0 || static_cast<size_t>(ordinal) >= names.size())
        invalid(text, "enumeration");
    return ordinal;
}

std::string setText(int bits) {
    return std::to_string(bits);
}

int textToSet(const std::string& text, EnumNames names) {
    const std::string t = trimmed(text);
    if (t.empty() || t.front() != '[')
        return platform::strToInt(t);
    if (t.back() != ']')
        invalid(text, "set");
    int bits = 0;
    std::string inner = t.substr(1, t.size() - 2);
    size_t start = 0;
    while (start <= inner.size()) {
        size_t comma = inner.find(',', start);
        if (comma == std::string::npos)
            comma = inner.size();
        const std::string name = trimmed(inner.substr(start, comma - start));
        if (!name.empty())
            bits |= bitOf(textToEnum(name, names));
        start = comma + 1;
    }
    return bits;
}

std::string linesText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::vector<std::string> textToLines(const std::string& text) {
    // Line breaks are CR LF, a lone CR or a lone LF; a text ending in a break has no empty line
    // after it.
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(std::move(line));
    return lines;
}

std::string hexText(const std::string& bytes) {
    static constexpr char digits[] = "0123456789ABCDEF";
    // Pictures are stored this way, tens of kilobytes each, every time a design is saved.
    std::string hex(bytes.size() * 2, '\0');
    char* out = hex.data();
    for (unsigned char b : bytes) {
        *out++ = digits[b >> 4];
        *out++ = digits[b & 15];
    }
    return hex;
}

std::string textToBytes(const std::string& hex) {
    // A picture's bytes, read back every time a design is loaded: one table look-up a digit.
    static constexpr auto values = [] {
        std::array<int8_t, 256> v{};
        v.fill(-1);
        for (int c = 0; c < 10; ++c)
            v['0' + c] = static_cast<int8_t>(c);
        for (int c = 0; c < 6; ++c)
            v['A' + c] = v['a' + c] = static_cast<int8_t>(10 + c);
        return v;
    }();
    if (hex.size() % 2)
        invalid(hex.substr(0, 16), "hexadecimal");
    std::string bytes(hex.size() / 2, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) {
        const int high = values[static_cast<unsigned char>(hex[2 * i])];
        const int low = values[static_cast<unsigned char>(hex[2 * i + 1])];
        if (high < 0 || low < 0)
            invalid(hex.substr(0, 16), "hexadecimal");
        bytes[i] = static_cast<char>(high << 4 | low);
    }
    return bytes;
}

void TrpPropertyList::value(std::string name, std::function<std::string()> get,
                            std::function<void(const std::string&)> set, std::string defaultText) {
    TrpProperty p;
    p.name = std::move(name);
    p.get = std::move(get);
    p.set = std::move(set);
    p.defaultText = std::move(defaultText);
    add(std::move(p));
}

void TrpPropertyList::alias(std::string name, std::function<void(const std::string&)> set) {
    TrpProperty p;
    p.name = std::move(name);
    p.set = std::move(set);
    p.alias = true;
    add(std::move(p));
}

void TrpPropertyList::boolean(const std::string& name, bool& field, bool defaultValue) {
    value(
        name, [&field] { return boolText(field); },
        [&field](const std::string& t) { field = textToBool(t); }, boolText(defaultValue));
}

void TrpPropertyList::integer(const std::string& name, int& field, int defaultValue) {
    value(
        name, [&field] { return std::to_string(field); },
        [&field](const std::string& t) { field = textToInt(t); }, std::to_string(defaultValue));
}

void TrpPropertyList::number(const std::string& name, double& field, double defaultValue) {
    value(
        name, [&field] { return floatText(field); },
        [&field](const std::string& t) { field = textToFloat(t); }, floatText(defaultValue));
}

void TrpPropertyList::string(const std::string& name, std::string& field,
                             const std::string& defaultValue) {
    value(
        name, [&field] { return field; }, [&field](const std::string& t) { field = t; },
        defaultValue);
}

void TrpPropertyList::color(const std::string& name, platform::TColor& field,
                            platform::TColor defaultValue) {
    value(
        name, [&field] { return colorText(field); },
        [&field](const std::string& t) { field = textToColor(t); }, colorText(defaultValue));
}

void TrpPropertyList::lines(const std::string& name, std::vector<std::string>& field) {
    value(
        name, [&field] { return linesText(field); },
        [&field](const std::string& t) { field = textToLines(t); }, {});
}

void TrpPropertyList::dateTime(const std::string& name, double& field) {
    value(
        name, [&field] { return floatText(field); },
        [&field](const std::string& t) { field = textToFloat(t); }, floatText(0));
}

void TrpPropertyList::set(const std::string& name, int& field, EnumNames names, int defaultValue) {
    value(
        name, [&field] { return setText(field); },
        [&field, names](const std::string& t) { field = textToSet(t, names); },
        setText(defaultValue));
}

void TrpPropertyList::object(const std::string& name, TrpPersistent& object,
                             std::function<bool()> stored) {
    TrpProperty p;
    p.name = name;
    p.object = &object;
    p.stored = std::move(stored);
    add(std::move(p));
}

const TrpProperty* TrpPropertyList::find(const std::string& name) const {
    for (const TrpProperty& p : items_)
        if (sameTextIgnoringCase(p.name, name))
            return &p;
    return nullptr;
}

} // namespace report
