// SPDX-License-Identifier: GPL-3.0-or-later
// Reading payroll tables as spreadsheets save them.
#include "app/BatchTable.h"
#include "app/BatchColumns.h"
#include "platform/Error.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {

QByteArray cp1250(const char* utf8) {
    QStringEncoder encoder("windows-1250");
    return encoder(QString::fromUtf8(utf8));
}

QStringList cells(std::initializer_list<const char*> utf8) {
    QStringList list;
    for (const char* c : utf8)
        list << QString::fromUtf8(c);
    return list;
}

TEST(BatchTable, Cp1250WithSemicolonsAndUtf8WithCommasReadTheSame) {
    const char* semicolons = "munkavállaló neve;nettó jövedelem átlaga\r\n"
                             "Őri Tünde;123456\r\n"
                             "Kovács Ödön;98765\r\n";
    const char* commas = "munkavállaló neve,nettó jövedelem átlaga\n"
                         "Őri Tünde,123456\n"
                         "Kovács Ödön,98765\n";
    const app::BatchTable fromCp1250 = app::ParseBatchTable(cp1250(semicolons));
    const app::BatchTable fromUtf8 = app::ParseBatchTable(QByteArray("\xEF\xBB\xBF") + commas);
    const app::BatchTable withoutBom = app::ParseBatchTable(QByteArray(commas));
    EXPECT_EQ(fromCp1250.separator, u';');
    EXPECT_EQ(fromUtf8.separator, u',');
    for (const app::BatchTable* table : {&fromCp1250, &fromUtf8, &withoutBom}) {
        EXPECT_EQ(table->header, cells({"munkavállaló neve", "nettó jövedelem átlaga"}));
        ASSERT_EQ(table->rows.size(), 2u);
        EXPECT_EQ(table->rows[0].number, 2);
        EXPECT_EQ(table->rows[0].cells, cells({"Őri Tünde", "123456"}));
        EXPECT_EQ(table->rows[1].number, 3);
        EXPECT_EQ(table->rows[1].cells, cells({"Kovács Ödön", "98765"}));
    }
}

TEST(BatchTable, QuotesHoldSeparatorsQuotesAndLineBreaks) {
    const app::BatchTable table = app::ParseBatchTable(
        "Edit3;Edit7;Edit4\r\n"
        "\"Kiss; Anna\";\"1051 Budapest,\r\nF\xC5\x91 utca 1.\";\"a \"\"f\xC5\x91\"\" ember\"\r\n"
        "\"\";;\n"
        "Nagy P\xC3\xA9ter;\"\";x\n");
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0].cells,
              cells({"Kiss; Anna", "1051 Budapest, Fő utca 1.", "a \"fő\" ember"}));
    // The record over two lines is one spreadsheet row; the empty one is skipped but counted.
    EXPECT_EQ(table.rows[1].number, 4);
    EXPECT_EQ(table.rows[1].cells, cells({"Nagy Péter", "", "x"}));
}

TEST(BatchTable, KeepsRowsOfAnyLengthForTheCallerToJudge) {
    const app::BatchTable table = app::ParseBatchTable("a,b\n1\n1,2,3\n1,2");
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[0].cells.size(), 1);
    EXPECT_EQ(table.rows[1].cells.size(), 3);
    EXPECT_EQ(table.rows[2].cells, cells({"1", "2"})); // no line break at the end
}

TEST(BatchTable, AQuoteLeftOpenOrNoHeaderIsAnError) {
    EXPECT_THROW(app::ParseBatchTable("Edit3\n\"Kiss Anna\n"), platform::Error);
    EXPECT_THROW(app::ParseBatchTable(""), platform::Error);
    EXPECT_THROW(app::ParseBatchTable("\r\n;;\r\n"), platform::Error);
}

TEST(BatchColumns, FieldNamesAndHungarianHeadersInAnyCase) {
    EXPECT_STREQ(app::FindBatchColumn("numedit1")->field, "NumEdit1");
    EXPECT_STREQ(app::FindBatchColumn(" EDIT3 ")->field, "Edit3");
    EXPECT_STREQ(app::FindBatchColumn(QString::fromUtf8("Munkavállaló neve"))->field, "Edit3");
    EXPECT_STREQ(app::FindBatchColumn(QString::fromUtf8("LEÁNYKORI NÉV"))->field, "Edit6");
    EXPECT_TRUE(app::FindBatchColumn(QString::fromUtf8("családi pótlék"))->amount);
    EXPECT_FALSE(app::FindBatchColumn("Edit3")->amount);
    EXPECT_EQ(app::FindBatchColumn("Edit8"), nullptr);
    EXPECT_EQ(app::FindBatchColumn("Label3"), nullptr);
    EXPECT_EQ(app::FindBatchColumn(""), nullptr);
}

} // namespace
