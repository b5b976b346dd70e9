// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Many certificates from one payroll table: the certificate window is filled from one row at a
// time and prepares that row's certificate as its Print command does for one form.
#include "app/BatchTable.h"

#include <QString>
#include <map>
#include <string>
#include <utility>
#include <vector>

class QLineEdit;

namespace app {

struct BatchColumn;
class TForm1;

// Something wrong with the table, in Hungarian with the English in parentheses.
struct BatchProblem {
    int row;    // as the spreadsheet numbers it: the header is row 1
    int column; // from 0; -1 when the problem is the whole row's
    QString text;
};

// "3. sor, B oszlop (munkavállaló neve): ..." (the column part when there is one).
QString DescribeProblem(const BatchProblem& problem, const QStringList& header);

class CertificateBatch {
public:
    // Field values given for every row (by field name, as --field takes them) come between the
    // window's start values and the row's cells. Raises platform::Error for one that names no
    // field or cannot be a field's value.
    CertificateBatch(TForm1& window, const BatchTable& table,
                     const std::vector<std::pair<QString, QString>>& commonFields);

    TForm1& Window() const { return window_; }
    const BatchTable& Table() const { return table_; }
    int RowCount() const { return static_cast<int>(table_.rows.size()); }
    // Columns that name no field, or a field another column names already.
    const std::vector<BatchProblem>& HeaderProblems() const { return headerProblems_; }

    // Fills the window from the row with the given index and prepares its certificate, after the
    // pages prepared before when append is set (a fresh preparation otherwise). The row's
    // problems: empty when its certificate is good. A row with problems may leave no page.
    std::vector<BatchProblem> Prepare(int index, bool append);
    // The index of the row whose certificate was prepared last (-1 before the first).
    int PreparedIndex() const { return preparedIndex_; }
    // With --allow-overflow a text that does not fit its box is cut off on the page, as for one
    // certificate, instead of making its row bad.
    void AllowTextThatDoesNotFit(bool allow) { allowOverflow_ = allow; }

private:
    struct Cell {
        QLineEdit* edit;
        QString value;
    };
    void fill(const std::vector<Cell>& cells);
    // The texts of this row's certificate that do not fit their boxes, each reported at the
    // columns whose fields the text object prints.
    void addTextThatDoesNotFit(const BatchRow& row, std::vector<BatchProblem>& problems) const;

    TForm1& window_;
    const BatchTable& table_;
    std::vector<Cell> startValues_, common_;
    std::vector<const BatchColumn*> columns_; // per header cell; null for one that names none
    std::map<QString, std::vector<int>> columnsPrintedBy_; // text object name -> columns
    std::vector<BatchProblem> headerProblems_;
    int preparedIndex_ = -1;
    bool allowOverflow_ = false;
};

} // namespace app
