// SPDX-License-Identifier: GPL-3.0-or-later
// Any command line, and the --field values it carries into the window: a request or an argument
// error, never a crash; a field value the check accepts is entered without error.
#include "CertificateDrawing.h"

#include "app/CommandLine.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzzing::startOffscreen(argc, argv);
    return 0;
}

// The arguments after the program's name, UTF-8, separated by zero bytes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QStringList arguments{QStringLiteral("kf2718")};
    for (const QByteArray& argument :
         QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split('\0'))
        arguments << QString::fromUtf8(argument);
    QString error;
    const auto request = app::ParseCommandLine(arguments, error);
    if (!request == error.isEmpty())
        __builtin_trap(); // either a request or the reason why not
    if (!request)
        return 0;
    app::TForm1& window = *fuzzing::certificate().form1;
    for (const auto& [name, value] : request->fields)
        if (app::FieldError(window, name, value).empty())
            app::SetField(window, name, value);
    return 0;
}
