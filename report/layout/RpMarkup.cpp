// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/layout/RpMarkup.h"

#include "report/common/RpTypes.h"

#include "platform/Canvas.h"
#include "platform/ColorNames.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace report {
namespace {

enum Pattern { patSub, patSup, patStrike, patStrikeEnd, patFontEnd, patSubEnd, patSupEnd, patFont };
constexpr std::array<std::string_view, 8> patterns{"SUB>",    "SUP>",   "<STRIKE>", "</STRIKE>",
                                                   "</FONT>", "</SUB>", "</SUP>",   "<FONT COLOR"};
constexpr size_t notSearched = std::string_view::npos - 1;

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Tag names are ASCII, and no other character of the code page has an ASCII capital, so comparing
// ASCII capitals finds exactly what a search in the capitalised line finds.
size_t findIgnoringCase(std::string_view text, std::string_view pattern) {
    const auto it = std::search(text.begin(), text.end(), pattern.begin(), pattern.end(),
                                [](char a, char b) { return upper(a) == b; });
    return it == text.end() ? std::string_view::npos : static_cast<size_t>(it - text.begin());
}

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (upper(c) >= 'A' && upper(c) <= 'F');
}

int hexValue(char c) {
    return c <= '9' ? c - '0' : upper(c) - 'A' + 10;
}

// A value written as "#RRGGBB", double quotes included.
bool rgbValue(std::string_view value, platform::TColor& color) {
    if (value.size() != 9 || value[0] != '"' || value[1] != '#' || value[8] != '"')
        return false;
    if (!std::all_of(value.begin() + 2, value.begin() + 8, isHexDigit))
        return false;
    const auto byte = [&](size_t at) { return hexValue(value[at]) * 16 + hexValue(value[at + 1]); };
    color = platform::rgb(byte(2), byte(4), byte(6));
    return true;
}

} // namespace

void TrpHTMLTagsList::Start(bool allowTags, platform::TColor color, int size, int style) {
    runs_.clear();
    allowTags_ = allowTags;
    defaultColor_ = color_ = color;
    defaultSize_ = size_ = size;
    defaultStyle_ = style_ = style;
    subscript_ = false;
}

size_t TrpHTMLTagsList::RunAt(int index) const {
    const auto after = std::upper_bound(runs_.begin(), runs_.end(), index,
                                        [](int i, const Run& run) { return i < run.Start; });
    return after == runs_.begin() ? 0 : static_cast<size_t>(after - runs_.begin()) - 1;
}

TrpHTMLTag TrpHTMLTagsList::TagAt(int index) const {
    const Run& run = runs_.at(RunAt(index));
    TrpHTMLTag tag = run.Tag;
    tag.SameAsPrevious = run.Start != index || run.Tag.SameAsPrevious;
    return tag;
}

void TrpHTMLTagsList::StripMarkup(std::string_view line, std::string& text) {
    firstOccurrence_.fill(notSearched);
    size_t from = 0; // start of the plain characters not yet appended
    size_t i = 0;
    while (allowTags_ && i < line.size()) {
        const void* next = std::memchr(line.data() + i, '<', line.size() - i);
        if (!next)
            break;
        i = static_cast<size_t>(static_cast<const char*>(next) - line.data());
        append(line, from, i, text);
        const size_t length = applyTag(line, i);
        if (length == 0) {
            from = i; // an ordinary '<'
            ++i;
        } else {
            i += length;
            from = i;
        }
    }
    append(line, from, line.size(), text);
}

// Characters from..to - 1 of the line carry the current attributes.
void TrpHTMLTagsList::append(std::string_view line, size_t from, size_t to, std::string& text) {
    if (from >= to)
        return;
    TrpHTMLTag tag;
    tag.Color = color_;
    tag.Size = static_cast<int16_t>(size_);
    tag.Style = static_cast<uint8_t>(style_);
    tag.Subscript = subscript_;
    tag.ReducedSize = size_ != defaultSize_;
    // A change of the vertical offset starts a new run too: a subscript followed directly by a
    // superscript of the same size must not be drawn lowered.
    const auto same = [&](const TrpHTMLTag& previous) {
        return tag.Color == previous.Color && tag.Size == previous.Size &&
               tag.Style == previous.Style && tag.Subscript == previous.Subscript;
    };
    if (runs_.empty()) {
        TrpHTMLTag defaults;
        defaults.Color = defaultColor_;
        defaults.Size = static_cast<int16_t>(defaultSize_);
        defaults.Style = static_cast<uint8_t>(defaultStyle_);
        tag.SameAsPrevious = !allowTags_ || same(defaults);
        runs_.push_back({static_cast<int>(text.size()), tag});
    } else if (!same(runs_.back().Tag)) {
        tag.SameAsPrevious = false;
        runs_.push_back({static_cast<int>(text.size()), tag});
    }
    text.append(line.substr(from, to - from));
}

bool TrpHTMLTagsList::firstOccurrenceAt(std::string_view line, int pattern, size_t i) {
    size_t& first = firstOccurrence_[static_cast<size_t>(pattern)];
    if (first == notSearched)
        first = findIgnoringCase(line, patterns[static_cast<size_t>(pattern)]);
    return first == i;
}

size_t TrpHTMLTagsList::applyTag(std::string_view line, size_t i) {
    const auto at = [&](size_t k) { return i + k < line.size() ? line[i + k] : '\0'; };
    const int reduced = rpRound(defaultSize_ / 1.5);
    if (at(2) == '>') { // "<b>", "<i>", "<u>"; another letter is no tag
        switch (upper(at(1))) {
        case 'B':
            style_ |= platform::fontBold;
            return 3;
        case 'I':
            style_ |= platform::fontItalic;
            return 3;
        case 'U':
            style_ |= platform::fontUnderline;
            return 3;
        default:
            return 0;
        }
    }
    if (at(4) == '>') { // any "<xyz>" vanishes; only <sub> and <sup> mean something
        if (firstOccurrenceAt(line, patSub, i + 1)) {
            size_ = reduced;
            subscript_ = true;
        } else if (firstOccurrenceAt(line, patSup, i + 1)) {
            size_ = reduced;
            subscript_ = false;
        }
        return 5;
    }
    if (firstOccurrenceAt(line, patStrike, i)) {
        style_ |= platform::fontStrikeOut;
        return patterns[patStrike].size();
    }
    if (at(1) == '/' && at(3) == '>') { // "</b>", "</i>", "</u>"
        switch (upper(at(2))) {
        case 'B':
            style_ &= ~platform::fontBold;
            return 4;
        case 'I':
            style_ &= ~platform::fontItalic;
            return 4;
        case 'U':
            style_ &= ~platform::fontUnderline;
            return 4;
        default:
            return 0;
        }
    }
    if (firstOccurrenceAt(line, patStrikeEnd, i)) {
        style_ &= ~platform::fontStrikeOut;
        return patterns[patStrikeEnd].size();
    }
    if (firstOccurrenceAt(line, patFontEnd, i)) {
        color_ = defaultColor_;
        return patterns[patFontEnd].size();
    }
    if (firstOccurrenceAt(line, patSubEnd, i) || firstOccurrenceAt(line, patSupEnd, i)) {
        size_ = defaultSize_;
        subscript_ = false;
        return patterns[patSubEnd].size();
    }
    if (firstOccurrenceAt(line, patFont, i))
        return fontColorTag(line, i);
    return 0;
}

// "<font color" ... "=" blanks value ">": the value is "#RRGGBB" in double quotes or a colour name
// without its "cl". A value that names no colour leaves the whole tag as text.
size_t TrpHTMLTagsList::fontColorTag(std::string_view line, size_t i) {
    const size_t equals = line.find('=', i + patterns[patFont].size());
    if (equals == std::string_view::npos)
        return 0;
    const size_t value = line.find_first_not_of(' ', equals + 1);
    const size_t close = value == std::string_view::npos ? value : line.find('>', value);
    if (close == std::string_view::npos || close == value)
        return 0;
    const std::string_view text = line.substr(value, close - value);
    platform::TColor color = 0;
    if (!(text.size() > 3 && rgbValue(text, color))) {
        const auto named = platform::colorFromName("cl" + std::string(text));
        if (!named)
            return 0;
        color = *named;
    }
    color_ = color;
    return close - i + 1;
}

} // namespace report
