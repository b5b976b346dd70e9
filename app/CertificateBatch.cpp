// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CertificateBatch.h"

#include "app/BatchColumns.h"
#include "app/CertificateWindow.h"
#include "app/CommandLine.h"
#include "platform/Cp1250.h"
#include "platform/Error.h"
#include "report/RpReport.h"
#include "report/objects/RpMemoView.h"
#include "report/prepared/RpPreviewPages.h"

#include <QLineEdit>

namespace app {
namespace {

QString hu(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// A, B, ... Z, AA, AB, ...: the column as a spreadsheet names it.
QString columnLetters(int column) {
    QString letters;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters;
}

// The first character of the text that code page 1250 cannot hold, or a null character.
QChar outsideCp1250(const QString& text) {
    for (const QChar c : text)
        if (!platform::isCp1250Representable(c))
            return c;
    return {};
}

QString notCp1250(QChar c) {
    return hu("olyan betű van benne, amely a közép-európai kódlapon nincs: %1 (it has a character "
              "outside code page 1250)")
        .arg(c);
}

} // namespace

QString DescribeProblem(const BatchProblem& problem, const QStringList& header) {
    QString where = hu("%1. sor").arg(problem.row);
    if (problem.column >= 0) {
        where += hu(", %1 oszlop").arg(columnLetters(problem.column));
        if (problem.column < header.size() && !header[problem.column].trimmed().isEmpty())
            where += QStringLiteral(" (%1)").arg(header[problem.column].trimmed());
    }
    return where + QStringLiteral(": ") + problem.text;
}

CertificateBatch::CertificateBatch(TForm1& window, const BatchTable& table,
                                   const std::vector<std::pair<QString, QString>>& commonFields)
    : window_(window)
    , table_(table) {
    for (const BatchColumn& column : BatchColumns()) {
        auto* edit = qobject_cast<QLineEdit*>(window.FindComponent(column.field));
        startValues_.push_back({edit, edit->text()});
    }
    for (const auto& [name, value] : commonFields) {
        const BatchColumn* column = FindBatchColumn(name);
        if (!column)
            throw platform::Error(
                platform::toCp1250(hu("Nincs ilyen mező (no such field): %1").arg(name)));
        if (const QChar c = outsideCp1250(value); !c.isNull())
            throw platform::Error(
                platform::toCp1250(hu("A(z) %1 mező értékében ").arg(name) + notCp1250(c)));
        common_.push_back({qobject_cast<QLineEdit*>(window.FindComponent(column->field)), value});
    }
    try {
        fill(common_);
    } catch (const platform::Error& e) {
        throw platform::Error(platform::fromUtf8("Egy --field összeg nem szám (an amount given "
                                                 "by --field is no number): ") +
                              e.what());
    }
    for (int i = 0; i < table.header.size(); ++i) {
        const BatchColumn* column = FindBatchColumn(table.header[i]);
        // Spreadsheets save empty columns after the last one used: a column without a header is
        // no problem, a cell filled under one is (judged in its row).
        const bool unnamed = table.header[i].trimmed().isEmpty();
        if (!column && !unnamed)
            headerProblems_.push_back(
                {1, i,
                 hu("nincs ilyen mező; a mezők: Edit1 … NumEdit2 vagy a magyar nevük (no "
                    "such field; see --help)")});
        else if (column && std::find(columns_.begin(), columns_.end(), column) != columns_.end())
            headerProblems_.push_back(
                {1, i,
                 hu("ezt a mezőt egy korábbi oszlop már megadja (an earlier column gives "
                    "this field already)")});
        columns_.push_back(column);
    }
    for (report::TrpComponent* object : window.rpReport1.AllObjects()) {
        const auto* memo = dynamic_cast<report::TrpCustomMemoView*>(object);
        if (!memo)
            continue;
        const std::string text = memo->Text();
        for (size_t i = 0; i < columns_.size(); ++i)
            if (columns_[i] &&
                text.find('[' + std::string(columns_[i]->variable) + ']') != std::string::npos)
                columnsPrintedBy_[QString::fromStdString(memo->Name())].push_back(
                    static_cast<int>(i));
    }
}

// Values from outside, entered as --field enters them.
void CertificateBatch::fill(const std::vector<Cell>& cells) {
    for (const Cell& cell : cells)
        EnterFieldText(*cell.edit, cell.value);
}

std::vector<BatchProblem> CertificateBatch::Prepare(int index, bool append) {
    const BatchRow& row = table_.rows.at(index);
    std::vector<BatchProblem> problems;
    if (row.cells.size() != table_.header.size()) {
        problems.push_back({row.number, -1,
                            hu("%1 cella van benne, a fejlécben %2 (it has %1 cells, the header "
                               "%2)")
                                .arg(row.cells.size())
                                .arg(table_.header.size())});
        return problems;
    }
    // The window's own texts back first, as they are: a column left out keeps the field as the
    // window starts.
    for (const Cell& cell : startValues_)
        cell.edit->setText(cell.value);
    fill(common_);
    for (int i = 0; i < row.cells.size(); ++i) {
        if (!columns_[i] && !row.cells[i].isEmpty() && table_.header[i].trimmed().isEmpty())
            problems.push_back({row.number, i,
                                hu("az oszlopnak nincs fejléce, nem tudni, melyik mező (the column "
                                   "has no header naming its field)")});
        if (!columns_[i])
            continue;
        if (const QChar c = outsideCp1250(row.cells[i]); !c.isNull()) {
            problems.push_back({row.number, i, notCp1250(c)});
            continue;
        }
        try {
            fill({{qobject_cast<QLineEdit*>(window_.FindComponent(columns_[i]->field)),
                   row.cells[i]}});
        } catch (const platform::Error& e) {
            problems.push_back(
                {row.number, i,
                 hu("nem összeg (not an amount): ") + platform::toUnicode(std::string(e.what()))});
        }
    }
    if (!problems.empty() || !headerProblems_.empty())
        return problems;
    // A row without an employee's name gets no identifier, as a window that has not printed yet.
    window_.ForgetCertificateId();
    preparedIndex_ = index;
    if (!window_.PrepareCertificate(!append))
        for (const std::string& line : window_.rpReport1.ErrorList)
            problems.push_back({row.number, -1, platform::toUnicode(line)});
    if (!allowOverflow_)
        addTextThatDoesNotFit(row, problems);
    return problems;
}

void CertificateBatch::addTextThatDoesNotFit(const BatchRow& row,
                                             std::vector<BatchProblem>& problems) const {
    report::TrpReport& report = window_.rpReport1;
    const int firstPage = report.PreviewPages().RunFirstPage();
    for (const report::TrpTextOverflow& overflow : report.TextOverflows()) {
        if (overflow.Page < firstPage)
            continue;
        const QString text = hu("nem fér el a helyén, lemarad: %1 (the text does not fit its box)")
                                 .arg(QString(overflow.Text).replace(u'\n', u' '));
        const auto printed = columnsPrintedBy_.find(overflow.ObjectName);
        if (printed != columnsPrintedBy_.end() && printed->second.size() == 1) {
            problems.push_back({row.number, printed->second.front(), text});
            continue;
        }
        // A sentence that prints several fields: the columns together, once.
        QStringList columns;
        if (printed != columnsPrintedBy_.end())
            for (int column : printed->second)
                columns << table_.header[column].trimmed();
        problems.push_back(
            {row.number, -1,
             (columns.isEmpty() ? overflow.ObjectName : columns.join(QStringLiteral(", "))) +
                 QStringLiteral(": ") + text});
    }
}

} // namespace app
