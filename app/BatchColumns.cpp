// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BatchColumns.h"

namespace app {

const std::vector<BatchColumn>& BatchColumns() {
    static const std::vector<BatchColumn> columns = {
        {"Edit1", "munkáltató neve", false},         {"Edit2", "munkáltató címe", false},
        {"Edit3", "munkavállaló neve", false},       {"Edit6", "leánykori név", false},
        {"Edit7", "munkavállaló címe", false},       {"Edit4", "beosztás", false},
        {"Edit5", "mióta áll alkalmazásban", false}, {"NumEdit1", "nettó jövedelem átlaga", true},
        {"NumEdit2", "családi pótlék", true},
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
