// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BatchFileName.h"

namespace app {
namespace {

constexpr qsizetype kMaxNameLength = 80;

bool safe(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'-' || c == u'.';
}

} // namespace

QString BatchFileName(int row, int lastRow, const QString& employee) {
    QString name;
    // The canonical decomposition splits "ő" into "o" and its accent, which is then dropped.
    for (const QChar c : employee.normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (safe(c))
            name += c;
        else if (!name.endsWith(u'_'))
            name += u'_';
    }
    name = name.left(kMaxNameLength);
    while (name.endsWith(u'_') || name.endsWith(u'.'))
        name.chop(1);
    while (name.startsWith(u'_'))
        name.remove(0, 1);
    const int width = static_cast<int>(QString::number(lastRow).size());
    QString file = QStringLiteral("%1").arg(row, width, 10, QChar(u'0'));
    if (!name.isEmpty())
        file += u'_' + name;
    return file + QStringLiteral(".pdf");
}

} // namespace app
