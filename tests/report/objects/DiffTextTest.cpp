// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/RpReport.h"
#include "report/objects/RpBands.h"
#include "report/objects/RpLineView.h"
#include "report/objects/RpMemoView.h"
#include "report/objects/RpPage.h"
#include "report/xml/RpXmlSerializer.h"

#include <gtest/gtest.h>

using namespace report;

namespace {

struct SourceAndOutput {
    TrpReport report;
    TrpReportPage* page = rpCreate<TrpReportPage>(&report);
    TrpMemoView* source = rpCreate<TrpMemoView>(page);
    TrpMemoView* output = rpCreate<TrpMemoView>(page);

    SourceAndOutput() {
        source->SetBounds(10, 20, 30, 40);
        source->Memo = {"[m1]"};
        source->SetFont(TrpFont("Tahoma", 11));
        output->Assign(*source);
    }
};

} // namespace

TEST(DiffText, AnUnchangedTextObjectStillCarriesItsText) {
    SourceAndOutput s;
    EXPECT_EQ(s.output->DiffText(*s.source), "x=\"[m1]\"");
    s.output->Memo = {};
    EXPECT_EQ(s.output->DiffText(*s.source), "x=\"\"");
    s.output->Memo = {"a", "", "b", ""};
    EXPECT_EQ(s.output->DiffText(*s.source), "x=\"a&#13;&#10;&#13;&#10;b&#13;&#10;\"");
}

TEST(DiffText, ChangedValuesUseShortNamesOrdinalsAndDigitBooleans) {
    SourceAndOutput s;
    s.output->Top = 25.5;
    s.output->Visible = false;
    s.output->HAlign = haBlock;
    s.output->Frame.Typ = bitOf(ftLeft) | bitOf(ftTop);
    s.output->Printable = false;
    s.output->SetFont(TrpFont("Tahoma", 12, 0, bitOf(fsBold)));
    s.output->Memo = {"Kft."};
    EXPECT_EQ(s.output->DiffText(*s.source),
              "t=\"25.5\" Visible=\"0\" Font.Size=\"12\" Font.Style=\"1\" Frame.Typ=\"5\" "
              "Printable=\"0\" HAlign=\"3\" x=\"Kft.\"");
    EXPECT_EQ(s.output->DiffText(*s.source, true),
              "t=\"25.5\" Visible=\"0\" Font.Size=\"12\" Font.Style=\"1\"");
}

TEST(DiffText, SourceTextFollowedByTheDifferenceRebuildsTheOutputObject) {
    SourceAndOutput s;
    s.output->SetBounds(11, 21, 31, 41);
    s.output->Memo = {"MUNK\xC1LTAT\xD3I IGAZOL\xC1S", ""};
    s.output->VAlign = vaCenter;
    s.output->Color = platform::rgb(1, 2, 3);
    s.output->Frame.Style = fsDouble;
    s.output->SetRotation(270);
    s.output->Highlight.Active = true;
    const std::string rebuildText =
        TrpXMLSerializer::WriteProperties(*s.source) + " " + s.output->DiffText(*s.source);
    TrpMemoView rebuilt;
    std::vector<std::string> errors;
    TrpXMLSerializer::ReadProperties(rebuilt, rebuildText, errors);
    EXPECT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(TrpXMLSerializer::WriteProperties(rebuilt, true),
              TrpXMLSerializer::WriteProperties(*s.output, true));
}

TEST(DiffText, ViewsAlignedByTheirParentAndBandsFollowTheirOwnRules) {
    TrpReport report;
    auto* page = rpCreate<TrpReportPage>(&report);
    auto* band = rpCreate<TrpMasterData>(page);
    auto* bandCopy = rpCreate<TrpMasterData>(page);
    EXPECT_EQ(bandCopy->DiffText(*band), "t=\"0\""); // a band's top is always written
    auto* line = rpCreate<TrpLineView>(page);
    auto* lineCopy = rpCreate<TrpLineView>(page);
    lineCopy->Align = baRight;
    lineCopy->Left = 50;
    EXPECT_EQ(lineCopy->DiffText(*line), "Align=\"2\""); // the parent places it: no "l"
    auto* memo = rpCreate<TrpMemoView>(page);
    auto* memoCopy = rpCreate<TrpMemoView>(page);
    memoCopy->AutoWidth = true;
    memoCopy->Width = 99;
    EXPECT_EQ(memoCopy->DiffText(*memo), "AutoWidth=\"1\" x=\"\"");
}
