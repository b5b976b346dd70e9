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
    decltype(&::cupsLastErrorString) lastErrorString = nullptr;
    decltype(&::cupsLastError) lastError = nullptr;
    // Connections whose waits are bounded, and the job's steps one by one.
    decltype(&::cupsServer) server = nullptr;
    decltype(&::ippPort) port = nullptr;
    decltype(&::cupsEncryption) encryption = nullptr;
    decltype(&::httpConnect2) connect = nullptr;
    decltype(&::httpSetTimeout) setTimeout = nullptr;
    decltype(&::httpClose) close = nullptr;
    decltype(&::cupsCreateJob) createJob = nullptr;
    decltype(&::cupsStartDocument) startDocument = nullptr;
    decltype(&::cupsWriteRequestData) writeRequestData = nullptr;
    decltype(&::cupsFinishDocument) finishDocument = nullptr;
    decltype(&::cupsCancelJob2) cancelJob = nullptr;
    decltype(&::ippNewRequest) newRequest = nullptr;
    decltype(&::ippAddString) addString = nullptr;
    decltype(&::ippAddStrings) addStrings = nullptr;
    decltype(&::cupsDoRequest) doRequest = nullptr;
    decltype(&::ippFindAttribute) findAttribute = nullptr;
    decltype(&::ippGetInteger) getInteger = nullptr;
    decltype(&::ippGetString) getString = nullptr;
    decltype(&::ippGetCount) getCount = nullptr;
    decltype(&::ippGetStatusCode) getStatusCode = nullptr;
    decltype(&::ippDelete) deleteIpp = nullptr;

    // The library, loaded on first use; null when it is not installed.
    static const CupsLibrary* get();
};

} // namespace preview
