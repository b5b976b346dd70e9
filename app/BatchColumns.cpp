// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BatchColumns.h"

namespace app {

const std::vector<BatchColumn>& BatchColumns() {
    static const std::vector<BatchColumn> columns = {
        {"Edit1", "munkáltató neve", false, "m1"},
        {"Edit2", "munkáltató címe", false, "m2"},
        {"Edit3", "munkavállaló neve", false, "m3"},
        {"Edit6", "leánykori név", false, "m13"}, // within the text m13 prints
        {"Edit7", "munkavállaló címe", false, "m9"},
        {"Edit4", "beosztás", false, "m4"},
        {"Edit5", "mióta áll alkalmazásban", false, "m5"},
        {"NumEdit1", "nettó jövedelem átlaga", true, "m7"},
        {"NumEdit2", "családi pótlék", true, "m8"},
    };
    return columns;
}

const BatchColumn* FindBatchColumn(const QString& header) {
    const QString name = header.trimmed();
    for (const BatchColumn& column : BatchColumns())
        if (name.compare(QLatin1String(column.field), Qt::CaseInsensitive) == 0 ||
            name.compare(QString::fromUtf8(column.header), Qt::CaseInsensitive) == 0)
            return &column;
    return nullptr;
}

} // namespace app
