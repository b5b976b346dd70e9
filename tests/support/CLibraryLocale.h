// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Switches the C library's locale for the length of a test. Qt sets it from the environment when
// the application starts, so the program meets "C" as well as the users' hu_HU.UTF-8, whose
// decimal point is ",": a conversion that goes through the C library changes meaning between them.
#include <clocale>
#include <string>

class CLibraryLocale {
public:
    explicit CLibraryLocale(const char* name) : previous_(std::setlocale(LC_ALL, nullptr)) {
        active_ = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~CLibraryLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    CLibraryLocale(const CLibraryLocale&) = delete;
    CLibraryLocale& operator=(const CLibraryLocale&) = delete;

    // False when the machine has no such locale (scripts/setup.sh generates hu_HU.UTF-8).
    bool active() const { return active_; }

private:
    std::string previous_;
    bool active_ = false;
};

// The locales every number conversion must give the same results in.
inline constexpr const char* kTestLocales[] = {"C", "hu_HU.UTF-8"};
