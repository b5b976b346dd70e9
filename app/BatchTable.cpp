// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BatchTable.h"

#include "platform/Cp1250.h"
#include "platform/Error.h"

#include <QStringDecoder>
#include <algorithm>

namespace app {
namespace {

QString decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return platform::toUnicode(std::string(bytes.constData(), bytes.size()));
    if (text.startsWith(QChar::ByteOrderMark))
        text.remove(0, 1);
    return text;
}

// The separator the header row (the first line with text) uses most outside quotes; a one-column
// header has neither.
QChar separatorOf(const QString& text) {
    int commas = 0, semicolons = 0;
    bool quoted = false, started = false;
    for (const QChar c : text) {
        const bool lineBreak = c == u'\n' || c == u'\r';
        if (!quoted && lineBreak && started)
            break;
        started = started || !lineBreak;
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && c == u',')
            ++commas;
        else if (!quoted && c == u';')
            ++semicolons;
    }
    return semicolons >= commas && semicolons > 0 ? u';' : u',';
}

// Splits the text into records of cells. A field of the window holds one line, so a line break
// inside a quoted cell becomes a blank.
class Reader {
public:
    Reader(const QString& text, QChar separator) : text_(text), separator_(separator) {}

    bool atEnd() const { return pos_ >= text_.size(); }

    // The next record; row is its number, for the message about a quote left open.
    QStringList record(int row) {
        QStringList cells;
        QString cell;
        bool quoted = false, wasQuoted = false;
        while (pos_ < text_.size()) {
            const QChar c = text_[pos_++];
            if (quoted && c == u'"' && next() == u'"') {
                cell += u'"';
                ++pos_;
            } else if (quoted && c == u'"') {
                quoted = false;
            } else if (quoted) {
                cell += skipLineBreak(c) ? QChar(u' ') : c;
            } else if (c == u'"' && cell.isEmpty() && !wasQuoted) {
                quoted = wasQuoted = true;
            } else if (c == separator_) {
                cells << cell;
                cell.clear();
                wasQuoted = false;
            } else if (skipLineBreak(c)) {
                break;
            } else {
                cell += c;
            }
        }
        if (quoted)
            throw platform::Error(platform::toCp1250(
                QString::fromUtf8("A táblázat %1. sorában kezdett idézőjel nincs lezárva (the "
                                  "quote opened in row %1 of the table is never closed)")
                    .arg(row)));
        cells << cell;
        return cells;
    }

private:
    QChar next() const { return pos_ < text_.size() ? text_[pos_] : QChar(); }

    // Whether c ends a line; the LF of a CR LF is stepped over.
    bool skipLineBreak(QChar c) {
        if (c == u'\r' && next() == u'\n')
            ++pos_;
        return c == u'\r' || c == u'\n';
    }

    const QString& text_;
    const QChar separator_;
    qsizetype pos_ = 0;
};

} // namespace

BatchTable ParseBatchTable(const QByteArray& bytes) {
    const QString text = decode(bytes);
    BatchTable table;
    table.separator = separatorOf(text);
    Reader reader(text, table.separator);
    int row = 0;
    while (!reader.atEnd()) {
        ++row;
        QStringList cells = reader.record(row);
        if (std::all_of(cells.begin(), cells.end(), [](const QString& c) { return c.isEmpty(); }))
            continue;
        if (table.header.isEmpty())
            table.header = std::move(cells);
        else
            table.rows.push_back({row, std::move(cells)});
    }
    if (table.header.isEmpty())
        throw platform::Error(
            platform::fromUtf8("A táblázatnak nincs fejléce (the table has no header row)"));
    return table;
}

} // namespace app
