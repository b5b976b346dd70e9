// SPDX-License-Identifier: GPL-3.0-or-later
// A prepared-report file (".prp") read back into the prepared pages and drawn.
#include "platform/Error.h"
#include "platform/RecordingCanvas.h"
#include "report/RpReport.h"
#include "report/prepared/RpPreviewPages.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // One scratch file for the whole run, removed when the fuzzer exits.
    static const struct Scratch {
        QString path = QDir::temp().filePath(
            QStringLiteral("fuzz_prepared_%1.prp").arg(QCoreApplication::applicationPid()));
        ~Scratch() { QFile::remove(path); }
    } scratch;
    const QString& path = scratch.path;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();
    report::TrpReport report;
    try {
        report.PreviewPages().LoadPreparedFile(path);
        for (int i = 0; i < report.PreviewPages().PageCount() && i < 4; ++i) {
            platform::RecordingCanvas canvas;
            report.PreviewPages().PaintPage(i, canvas, 1, 1, 0, 0);
        }
    } catch (const platform::Error&) {
    }
    return 0;
}
