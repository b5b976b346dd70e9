// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The prepared pages' dictionary: short aliases ("m1", "b3") that name the output nodes, each
// mapped to a key "Page" + source-page index + "." + object name, and the key to the source object.
// Lookups ignore letter case; aliases iterate in text order ignoring case (m10 before m2), the
// order the prepared-report file lists them in.
#include <map>
#include <string>
#include <vector>

namespace report {

class TrpComponent;

class TrpDictionary {
public:
    // The next free alias for the prefix: probe prefix + 10000, halving (5000, 2500 ... 2) until an
    // alias exists or 1 is reached, then count upwards to the first number not taken. A fresh
    // dictionary therefore hands out m1, m2, ... in order.
    std::string CreateAlias(const std::string& prefix) const;
    void Add(const std::string& alias, const std::string& key, TrpComponent* object);
    bool Contains(const std::string& alias) const;
    // Empty and null for an unknown alias.
    std::string KeyOf(const std::string& alias) const;
    TrpComponent* ObjectOf(const std::string& alias) const;

    std::vector<std::string> Aliases() const;
    size_t Count() const { return aliases_.size(); }
    void Clear();

private:
    struct LessIgnoringCase {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    struct Entry {
        std::string key;
        TrpComponent* object = nullptr;
    };
    std::map<std::string, Entry, LessIgnoringCase> aliases_;
};

} // namespace report
