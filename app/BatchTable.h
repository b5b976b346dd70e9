// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A payroll table as spreadsheets export it (CSV): a header row, then one employee per row.
// The bytes are UTF-8 (with or without a byte-order mark) or, when they are not valid UTF-8,
// Windows-1250, the Hungarian spreadsheet default. The separator, "," or ";", is the one the
// header uses; cells follow RFC 4180 quoting, line breaks inside quotes included.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace app {

struct BatchRow {
    int number = 0;    // the row as the spreadsheet numbers it: the header is row 1
    QStringList cells; // as many as the row has, which may differ from the header's count
};

struct BatchTable {
    QChar separator;
    QStringList header;
    std::vector<BatchRow> rows; // rows with no text in any cell are left out
};

// Raises platform::Error for a table without a header row or with a quote left open.
BatchTable ParseBatchTable(const QByteArray& bytes);

} // namespace app
