// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the program itself as a whole process, the way an office script runs it.
#include "support/PrintQueue.h"

#include <QProcess>
#include <QString>
#include <QStringList>

struct ProgramRun {
    int exitCode = -1;
    QString out, err;
};

inline ProgramRun
run(const QString& program, const QStringList& arguments, const QByteArray& input = {},
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

inline ProgramRun kf2718(const QStringList& arguments, const QByteArray& input = {}) {
    return run(QStringLiteral(KF2718_PROGRAM), arguments, input);
}

// The PDF's text as pdftotext lays it out; pages from first to last (from 1), all when 0.
inline QString pdfText(const QString& file, int first = 0, int last = 0) {
    QStringList arguments = {"-layout"};
    if (first > 0)
        arguments << "-f" << QString::number(first) << "-l" << QString::number(last);
    return printqueue::runTool("pdftotext", arguments << file << "-").output;
}
