// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The few functions of the CUPS client library that printing uses, loaded when printing first
// needs them. Linking the library would load it and its two dozen dependencies (TLS, Kerberos,
// service discovery) into every start of the program, which costs more than the whole window.
#include <cups/cups.h>

namespace preview {

struct CupsLibrary {
    decltype(&::cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&::cupsFreeDests) freeDests = nullptr;
    decltype(&::cupsGetOption) getOption = nullptr;
    decltype(&::cupsAddOption) addOption = nullptr;
    decltype(&::cupsFreeOptions) freeOptions = nullptr;
    decltype(&::cupsPrintFile2) printFile2 = nullptr;
    decltype(&::cupsLastErrorString) lastErrorString = nullptr;

    // The library, loaded on first use; null when it is not installed.
    static const CupsLibrary* get();
};

} // namespace preview
