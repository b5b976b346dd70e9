// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes the attributes of a difference text: each value only when it differs from the source's
// (or when there is no source value to compare with), Booleans as "1"/"0".
#include "platform/Color.h"

#include <string>

namespace report {

class TrpDiffWriter {
public:
    std::string text;

    void number(const char* name, double mine, const double* theirs, bool always = false);
    void integer(const char* name, int mine, const int* theirs);
    void boolean(const char* name, bool mine, const bool* theirs);
    void color(const char* name, platform::TColor mine, const platform::TColor* theirs);
    void string(const char* name, const std::string& mine, const std::string* theirs,
                bool always = false);
};

} // namespace report
