// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/prepared/RpDictionary.h"

#include <algorithm>

namespace report {
namespace {

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool TrpDictionary::LessIgnoringCase::operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(lowerAscii(x)) <
               static_cast<unsigned char>(lowerAscii(y));
    });
}

std::string TrpDictionary::CreateAlias(const std::string& prefix) const {
    int n = 10000;
    while (n > 1 && !Contains(prefix + std::to_string(n)))
        n /= 2;
    while (Contains(prefix + std::to_string(n)))
        ++n;
    return prefix + std::to_string(n);
}

void TrpDictionary::Add(const std::string& alias, const std::string& key, TrpComponent* object) {
    aliases_[alias] = {key, object};
}

bool TrpDictionary::Contains(const std::string& alias) const {
    return aliases_.contains(alias);
}

std::string TrpDictionary::KeyOf(const std::string& alias) const {
    const auto it = aliases_.find(alias);
    return it == aliases_.end() ? std::string() : it->second.key;
}

TrpComponent* TrpDictionary::ObjectOf(const std::string& alias) const {
    const auto it = aliases_.find(alias);
    return it == aliases_.end() ? nullptr : it->second.object;
}

std::vector<std::string> TrpDictionary::Aliases() const {
    std::vector<std::string> list;
    list.reserve(aliases_.size());
    for (const auto& [alias, entry] : aliases_)
        list.push_back(alias);
    return list;
}

void TrpDictionary::Clear() {
    aliases_.clear();
}

} // namespace report
