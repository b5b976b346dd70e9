// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PageRange.h"

#include "platform/Error.h"

#include <algorithm>

namespace preview {
namespace {

void appendRange(std::vector<std::string>& list, int first, int last, int pageCount) {
    if (last < first)
        return;
    const int low = std::max(first, 1);
    const int high = std::min(last, pageCount);
    if (low > high) {
        list.push_back(std::to_string(first));
        return;
    }
    for (int n = low; n <= high; ++n)
        list.push_back(std::to_string(n));
}

} // namespace

std::vector<std::string> ExpandPageRange(const std::string& text, int pageCount) {
    std::vector<std::string> list;
    std::string s;
    std::copy_if(text.begin(), text.end(), std::back_inserter(s), [](char c) { return c != ' '; });
    if (s.empty())
        return list;
    if (s.back() == '-')
        s += std::to_string(pageCount);
    s += ',';

    std::size_t tokenStart = 0;
    bool pendingRange = false;
    int rangeStart = 1;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != ',' && s[i] != '-')
            continue;
        const int value = platform::strToInt(s.substr(tokenStart, i - tokenStart));
        if (s[i] == '-') {
            rangeStart = value;
            pendingRange = true;
        } else if (pendingRange) {
            appendRange(list, rangeStart, value, pageCount);
            pendingRange = false;
        } else {
            list.push_back(std::to_string(value));
        }
        tokenStart = i + 1;
    }
    return list;
}

} // namespace preview
