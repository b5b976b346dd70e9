// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/RichEdit.h"

#include "platform/Files.h"

#include <algorithm>
#include <cstring>

namespace controls {

TRichEdit::TRichEdit(QWidget* parent) : QWidget(parent) {}

void TRichEdit::Clear() {
    // The buffer carries the decrypted form text: its bytes are overwritten before they are freed.
    for (std::string& line : lines_) {
        line.resize(line.capacity()); // within the capacity: the whole buffer, no reallocation
        explicit_bzero(line.data(), line.size());
    }
    lines_.clear();
}

void TRichEdit::Add(std::string_view text) {
    size_t start = 0;
    while (start < text.size()) {
        const size_t brk = text.find_first_of("\r\n", start);
        if (brk == std::string_view::npos) {
            lines_.emplace_back(text.substr(start));
            return;
        }
        lines_.emplace_back(text.substr(start, brk - start));
        start = brk + (text[brk] == '\r' && brk + 1 < text.size() && text[brk + 1] == '\n' ? 2 : 1);
    }
    if (text.empty())
        lines_.emplace_back();
}

std::string TRichEdit::Text() const {
    std::string text;
    for (const std::string& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void TRichEdit::SetText(std::string_view text) {
    Clear();
    // Room for every line at once: growing would move short lines and leave copies behind.
    lines_.reserve(static_cast<size_t>(std::count_if(
                       text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; })) +
                   1);
    if (!text.empty())
        Add(text);
}

void TRichEdit::AppendToText(std::string_view text) {
    if (lines_.empty()) {
        SetText(text);
        return;
    }
    std::string joined = std::move(lines_.back());
    lines_.pop_back();
    joined += text;
    Add(joined);
}

void TRichEdit::SaveToFile(const QString& path) const {
    platform::writeFileAtomically(path, Text());
}

void TRichEdit::LoadFromFile(const QString& path) {
    SetText(platform::readWholeFile(path));
}

} // namespace controls
