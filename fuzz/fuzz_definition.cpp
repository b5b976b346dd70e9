// SPDX-License-Identifier: GPL-3.0-or-later
// A stored report definition (the XML serialised form), read into a report.
#include "platform/Error.h"
#include "report/RpReport.h"

#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    report::TrpReport report(nullptr);
    try {
        report.LoadDefinition(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const platform::Error&) {
    }
    return 0;
}
