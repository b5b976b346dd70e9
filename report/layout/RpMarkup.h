// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The simple mark-up of text objects: <b>, <i>, <u>, <strike>, <sub>, <sup> and
// <font color=...>, each closed by its </...> form. Stripping a line leaves its plain characters
// and the attributes of every character; the attributes carry over from one source line to the
// next, so a tag opened in one line of an object stays in force until it is closed.
//
// Attributes are kept as runs, one record where they change, rather than one per character: a
// long plain text then costs no attribute memory, and measuring and drawing work run by run
// anyway.
#include "platform/Color.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace report {

// The attributes of one character.
struct TrpHTMLTag {
    int Position = 0; // in the object's source text, from 1
    platform::TColor Color = 0;
    int16_t Size = 0;           // points
    uint8_t Style = 0;          // platform::FontStyle bits
    bool Subscript = false;     // lowered by its size (the vertical-offset flag)
    bool SameAsPrevious = true; // the attributes equal those of the character before
    bool ReducedSize = false;   // the size differs from the object's font size
};

// The attributes of all characters of one object, and the mark-up state while the object's lines
// are read. Characters are counted in the object's plain text, all its stripped lines together.
class TrpHTMLTagsList {
public:
    // Characters from Start on have the attributes of Tag, up to the next run's Start. Runs
    // change attributes, so only the first run may be the same as its (default) predecessor.
    struct Run {
        int Start = 0;
        TrpHTMLTag Tag;
    };

    // Starts an object: its font gives the default and the current attributes.
    void Start(bool allowTags, platform::TColor color, int size, int style);
    // Appends the characters of one source line without their mark-up to text, the object's
    // plain text so far, and records their attributes.
    void StripMarkup(std::string_view line, std::string& text);

    const std::vector<Run>& Runs() const { return runs_; }
    // The run that holds the character.
    size_t RunAt(int index) const;
    // The attributes of one character; SameAsPrevious only where a run starts.
    TrpHTMLTag TagAt(int index) const;
    int DefaultSize() const { return defaultSize_; }
    int DefaultStyle() const { return defaultStyle_; }
    platform::TColor DefaultColor() const { return defaultColor_; }

private:
    // The length of the mark-up form starting with the '<' at i, after applying it; 0 when no
    // form starts there.
    size_t applyTag(std::string_view line, size_t i);
    size_t fontColorTag(std::string_view line, size_t i);
    // Whether the first occurrence of the pattern in the line, ignoring letter case, is at i.
    bool firstOccurrenceAt(std::string_view line, int pattern, size_t i);
    void append(std::string_view line, size_t from, size_t to, std::string& text);

    std::vector<Run> runs_;
    bool allowTags_ = false;
    platform::TColor defaultColor_ = 0, color_ = 0;
    int defaultSize_ = 10, size_ = 10;
    int defaultStyle_ = 0, style_ = 0;
    bool subscript_ = false;
    // First occurrences of the fixed patterns in the current line, found on demand.
    std::array<size_t, 8> firstOccurrence_{};
};

} // namespace report
