// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The columns of a payroll table: each names one field of the certificate window, either by the
// field's name (Edit1 ... NumEdit2, as --field takes it) or by its Hungarian header.
#include <QString>
#include <vector>

namespace app {

struct BatchColumn {
    const char* field;    // the window's component name
    const char* header;   // the Hungarian header, UTF-8, in lower case
    bool amount;          // a numeric edit's value
    const char* variable; // the template's variable that prints the field
};

// Every field a table may fill, in the window's tab order.
const std::vector<BatchColumn>& BatchColumns();

// The column a header cell names, ignoring letter case and surrounding blanks; null for none.
const BatchColumn* FindBatchColumn(const QString& header);

} // namespace app
