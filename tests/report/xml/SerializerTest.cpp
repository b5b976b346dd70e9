// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/RpReport.h"
#include "report/common/RpProperties.h"
#include "report/objects/RpBands.h"
#include "report/objects/RpComponentXml.h"
#include "report/objects/RpLineView.h"
#include "report/objects/RpMemoView.h"
#include "report/objects/RpPage.h"
#include "report/xml/RpXmlDocument.h"
#include "report/xml/RpXmlSerializer.h"
#include "report/xml/RpXmlText.h"

#include "platform/Error.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace report;

namespace {

// A report that sets at least one property of every kind away from its default.
std::unique_ptr<TrpReport> richReport() {
    auto report = std::make_unique<TrpReport>();
    report->SetName("rpReport1");
    report->PreviewOptions.Buttons = bitOf(pbPrint) | bitOf(pbZoom);
    report->PreviewOptions.ZoomMode = zmWholePage;
    report->EngineOptions.DoublePass = true;
    report->PrintOptions.Printer = "Default";
    report->ReportOptions.CreateDate = 38821.7427777778;
    report->ReportOptions.Description = {"line one", "", "\"quoted\" <&>"};
    report->ScriptText = {"begin", "  Set('a', 1);", "end."};
    report->Variables.Set("str", std::string("1+1"));
    report->Variables.Set("int", 42);
    report->Variables.Set("flt", 2.5);
    report->Variables.Set("yes", true);
    report->Variables.Set("nul", TrpVariant::Null());

    auto* page = rpCreate<TrpReportPage>(report.get());
    page->SetOrientation(poLandscape);
    page->SetPaperSize(9);
    page->LeftMargin = 22;
    page->TopMargin = 10.5;
    page->SetColumns(2);
    page->Duplex = dmVertical;

    auto* memo = rpCreate<TrpMemoView>(page);
    memo->SetBounds(166.29932, -3.77953, 302.3624, 34.01577);
    memo->Memo = {"MUNK\xC1LTAT\xD3I IGAZOL\xC1S", ""};
    memo->SetFont(TrpFont("Tahoma", 11, 13421772, bitOf(fsBold) | bitOf(fsUnderline)));
    memo->HAlign = haCenter;
    memo->VAlign = vaBottom;
    memo->AllowHTMLTags = true;
    memo->LineSpacing = 6;
    memo->GapX = 0.1;
    memo->Color = platform::clNone;
    memo->BrushStyle = bsBDiagonal;
    memo->Frame.Style = fsDot;
    memo->Frame.Typ = bitOf(ftTop) | bitOf(ftBottom);
    memo->Frame.ShadowColor = platform::clBtnFace;
    memo->Frame.DropShadow = true;
    memo->DisplayFormat.Kind = fkNumeric;
    memo->DisplayFormat.FormatStr = "#,##0.00";
    memo->Highlight.Condition = "Value > 0";
    memo->Highlight.Color = 255;
    memo->ExpressionDelimiters = "<%,%>";
    memo->SetRotation(90);
    memo->Visible = false;
    memo->Restrictions = bitOf(rfDontMove);
    memo->TagStr = "tab\there & \"there\"\r\nnext";
    memo->Tag = -7;
    memo->StretchMode = smMaxHeight;
    memo->ShiftMode = smWhenOverlapped;

    auto* line = rpCreate<TrpLineView>(page);
    line->SetBounds(0, 132.28355, 634.96104, 0);
    line->Frame.Typ = bitOf(ftTop);
    line->Diagonal = true;

    auto* band = rpCreate<TrpPageFooter>(page);
    band->Stretched = true;
    rpCreate<TrpMemoView>(band)->Memo = {"in band"};
    return report;
}

} // namespace

TEST(Serializer, AStoredDefinitionReadsBackEqualToTheOneWritten) {
    auto original = richReport();
    const std::string text = original->SaveToText();
    TrpReport copy;
    copy.LoadDefinition(text);
    EXPECT_TRUE(copy.ErrorList.empty()) << copy.ErrorList.front();
    EXPECT_EQ(copy.SaveToText(), text);

    // Spot checks that the values themselves arrived, not only equal texts.
    EXPECT_EQ(copy.Name(), "rpReport1");
    EXPECT_EQ(copy.PreviewOptions.Buttons, bitOf(pbPrint) | bitOf(pbZoom));
    EXPECT_TRUE(copy.EngineOptions.DoublePass);
    EXPECT_EQ(copy.ReportOptions.Description, original->ReportOptions.Description);
    EXPECT_EQ(copy.Variables.Find("STR")->Value, TrpVariant(std::string("1+1")));
    EXPECT_EQ(copy.Variables.Find("int")->Value, TrpVariant(42));
    EXPECT_EQ(copy.Variables.Find("flt")->Value, TrpVariant(2.5));
    EXPECT_EQ(copy.Variables.Find("yes")->Value, TrpVariant(true));
    EXPECT_TRUE(copy.Variables.Find("nul")->Value.isNull());
    ASSERT_EQ(copy.Pages().size(), 1u);
    const TrpReportPage& page = *copy.Pages()[0];
    EXPECT_EQ(page.Orientation(), poLandscape);
    EXPECT_EQ(page.PaperSize(), 9);
    EXPECT_EQ(page.PaperWidth(), 297);
    EXPECT_EQ(page.Width, 1123);
    EXPECT_EQ(page.TopMargin, 10.5);
    auto* memo = dynamic_cast<TrpMemoView*>(copy.FindByName("Memo1"));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->Left, 166.29932);
    EXPECT_EQ(memo->Top, -3.77953);
    EXPECT_EQ(memo->GapX, 0.1);
    EXPECT_EQ(memo->Memo, (std::vector<std::string>{"MUNK\xC1LTAT\xD3I IGAZOL\xC1S", ""}));
    EXPECT_EQ(memo->Font().Size, 11);
    EXPECT_EQ(memo->Font().Color, 13421772u);
    EXPECT_FALSE(memo->ParentFont());
    EXPECT_EQ(memo->Frame.ShadowColor, platform::clBtnFace);
    EXPECT_EQ(memo->Highlight.Condition, "Value > 0");
    EXPECT_EQ(memo->Rotation(), 90);
    EXPECT_EQ(memo->TagStr, "tab\there & \"there\"\r\nnext");
    EXPECT_EQ(memo->Tag, -7);
    EXPECT_FALSE(memo->Visible);
    auto* inBand = dynamic_cast<TrpMemoView*>(copy.FindByName("Memo2"));
    ASSERT_NE(inBand, nullptr);
    EXPECT_NE(dynamic_cast<TrpPageFooter*>(inBand->Parent()), nullptr);
}

TEST(Serializer, OnlyValuesThatDifferFromTheirDefaultsAreWritten) {
    TrpMemoView memo;
    EXPECT_EQ(TrpXMLSerializer::WriteProperties(memo), "");
    memo.GapY = 1.5;
    memo.ExpressionDelimiters = "<,>";
    memo.Frame.Width = 2;
    memo.Highlight.Condition = "  "; // blank: the highlight is not written
    EXPECT_EQ(TrpXMLSerializer::WriteProperties(memo),
              "Frame.Width=\"2\" ExpressionDelimiters=\"&#60;,&#62;\" GapY=\"1.5\"");
    const std::string all = TrpXMLSerializer::WriteProperties(memo, true);
    EXPECT_NE(all.find("WordWrap=\"True\""), std::string::npos);
    EXPECT_NE(all.find("Highlight.Font.Color=\"255\""), std::string::npos);
}

TEST(Serializer, OwnFontIsWrittenCompletelySoThatTheParentsFontCannotLeakIn) {
    TrpReport report;
    auto* page = rpCreate<TrpReportPage>(&report);
    page->SetFont(TrpFont("Tahoma", 14));
    auto* memo = rpCreate<TrpMemoView>(page);
    memo->SetFont(TrpFont()); // Arial 10, the defaults
    const std::string text = report.SaveToText();
    TrpReport copy;
    copy.LoadDefinition(text);
    const auto* read = copy.FindByName("Memo1");
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Font().Name, "Arial");
    EXPECT_EQ(read->Font().Size, 10);
    EXPECT_FALSE(read->ParentFont());
}

TEST(Serializer, FontHeightGivesPointsWithHalvesAwayFromZero) {
    TrpMemoView memo;
    for (const auto& [height, points] : std::vector<std::pair<const char*, int>>{
             {"-8", 6}, {"-11", 8}, {"-12", 9}, {"-13", 10}, {"-15", 11}, {"-19", 14}, {"-2", 2}}) {
        TrpXMLSerializer::SetProperty(memo, "Font.Height", height);
        EXPECT_EQ(memo.Font().Size, points) << height;
    }
    EXPECT_FALSE(memo.ParentFont()); // reading any part of the font makes it the object's own
    TrpXMLSerializer::SetProperty(memo, "font.size", "11");
    EXPECT_EQ(TrpXMLSerializer::GetProperty(memo, "Font.Height"), "-15");
}

TEST(Serializer, PaperInDefinitionOrderLeavesTheStoredCode) {
    TrpReport report;
    TrpXMLDocument document;
    document.FromText(R"(<?xml version="1.0" encoding="utf-8"?>)"
                      R"(<TrpReport Name="rpReport1"><TrpReportPage Name="Page1" PaperWidth="210")"
                      R"( PaperHeight="297" PaperSize="9" LeftMargin="22"/></TrpReport>)");
    std::vector<std::string> errors;
    TrpComponentXML::Read(report, document.Root, errors, false);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(report.Name(), "rpReport1");
    ASSERT_EQ(report.Pages().size(), 1u);
    EXPECT_EQ(report.Pages()[0]->PaperSize(), 9);
    EXPECT_EQ(report.Pages()[0]->Width, 794);
}

TEST(Serializer, UnknownClassesAndBadValuesAreReportedAndSkipped) {
    TrpReport report;
    report.LoadDefinition(R"(<TrpReport><TrpReportPage Name="Page1">)"
                          R"(<TrpWidgetView Name="W1"><TrpMemoView Name="Inner"/></TrpWidgetView>)"
                          R"(<TrpMemoView Name="Memo1" Left="abc" HAlign="haNowhere" Top="5")"
                          R"( Frame.Nothing="1" Visible="False"/>)"
                          R"(<TrpFrame/></TrpReportPage></TrpReport>)");
    ASSERT_EQ(report.ErrorList.size(), 5u);
    EXPECT_EQ(report.ErrorList[0], "Nem tal\xE1lom az oszt\xE1lyt TrpWidgetView");
    EXPECT_EQ(report.ErrorList[4], "Nem tal\xE1lom az oszt\xE1lyt TrpFrame");
    EXPECT_EQ(report.FindByName("Inner"), nullptr);
    const TrpComponent* memo = report.FindByName("Memo1");
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->Top, 5); // reading went on after the bad values
    EXPECT_FALSE(memo->Visible);
}

TEST(Serializer, DuplicateNamesInADefinitionAreReportedNotFatal) {
    TrpReport report;
    report.LoadDefinition(R"(<TrpReport><TrpReportPage Name="Page1"><TrpMemoView Name="Memo1"/>)"
                          R"(<TrpMemoView Name="memo1"/></TrpReportPage></TrpReport>)");
    EXPECT_EQ(report.ErrorList, std::vector<std::string>{"prDupl"});
    EXPECT_EQ(report.AllObjects().size(), 3u);
}

TEST(Serializer, ReportLoadKeepsRunTimeOptionsButTakesTheStoredOnes) {
    TrpReport report;
    report.EngineOptions.SilentMode = true;
    report.PreviewOptions.Zoom = 3;
    report.IniFile = "mine";
    report.SetName("rpReport1");
    std::istringstream snapshot(
        R"(<TrpReport Name="other" EngineOptions.DoublePass="True" EngineOptions.SilentMode=)"
        R"("False" PreviewOptions.Zoom="1.5" PreviewOptions.OutlineWidth="50")"
        R"( IniFile="theirs"><TrpReportPage Name="Page1"/></TrpReport>)");
    report.LoadFromStream(snapshot);
    EXPECT_EQ(report.Name(), "rpReport1");
    EXPECT_EQ(report.Pages().size(), 1u);
    EXPECT_TRUE(report.EngineOptions.DoublePass);
    EXPECT_TRUE(report.EngineOptions.SilentMode);
    EXPECT_EQ(report.PreviewOptions.Zoom, 3);
    EXPECT_EQ(report.PreviewOptions.OutlineWidth, 50);
    EXPECT_EQ(report.IniFile, "mine");
}

TEST(Serializer, SetsAndEnumerationsReadNamesOrNumbers) {
    TrpMemoView memo;
    TrpXMLSerializer::SetProperty(memo, "Frame.Typ", "[ftLeft, ftBottom]");
    EXPECT_EQ(memo.Frame.Typ, 9);
    TrpXMLSerializer::SetProperty(memo, "Frame.Typ", "6");
    EXPECT_EQ(memo.Frame.Typ, 6);
    TrpXMLSerializer::SetProperty(memo, "HAlign", "3");
    EXPECT_EQ(memo.HAlign, haBlock);
    TrpXMLSerializer::SetProperty(memo, "halign", "HACENTER");
    EXPECT_EQ(memo.HAlign, haCenter);
    TrpXMLSerializer::SetProperty(memo, "WordWrap", "0");
    EXPECT_FALSE(memo.WordWrap);
    EXPECT_THROW(TrpXMLSerializer::SetProperty(memo, "HAlign", "9"), platform::Error);
    EXPECT_THROW(TrpXMLSerializer::SetProperty(memo, "Frame", "1"), platform::Error);
    EXPECT_THROW(TrpXMLSerializer::SetProperty(memo, "GapX.Y", "1"), platform::Error);
}

// Pictures are stored as hexadecimal text: every byte reads back, digits of either case, and
// anything else is refused rather than read as some byte.
TEST(PropertyText, HexadecimalBytesRoundTripAndBadDigitsAreRefused) {
    std::string every;
    for (int b = 0; b < 256; ++b)
        every += static_cast<char>(b);
    EXPECT_EQ(hexText(std::string("\x00\x7F\xAB", 3)), "007FAB");
    EXPECT_EQ(textToBytes(hexText(every)), every);
    EXPECT_EQ(textToBytes("abCD"), "\xAB\xCD");
    EXPECT_EQ(textToBytes(""), "");
    for (const char* bad : {"0", "0G", "G0", "0 ", "-1", "0x"})
        EXPECT_THROW(textToBytes(bad), platform::Error) << bad;
}

TEST(XmlText, EscapesRoundTripAndReferencesDecode) {
    const std::string value = "a\nb\rc\"d&e<f>g'\xF5";
    EXPECT_EQ(xmlEscape(value), "a&#10;b&#13;c&#34;d&#38;e&#60;f&#62;g'\xF5");
    EXPECT_EQ(xmlUnescape(xmlEscape(value)), value);
    EXPECT_EQ(xmlUnescape("&amp;&lt;&#x41;&#65;&bogus;&#999;&"), "&<AA&bogus;&#999;&");
    // Plain runs between the references, at either end, or nothing but them.
    EXPECT_EQ(xmlEscape(""), "");
    EXPECT_EQ(xmlEscape("<0A1B>"), "&#60;0A1B&#62;");
    EXPECT_EQ(xmlEscape("0A1B2C"), "0A1B2C");
    EXPECT_EQ(xmlUnescape("x&lt;&gt;y&amp;"), "x<>y&");
    EXPECT_EQ(xmlUnescape("plain"), "plain");
    const TrpAttributes attributes = parseAttributes(R"( a="1"  b = "x&#34;y" c="")");
    ASSERT_EQ(attributes.size(), 3u);
    EXPECT_EQ(attributes[1], (std::pair<std::string, std::string>{"b", "x\"y"}));
    EXPECT_THROW(parseAttributes("a=1"), platform::Error);
    EXPECT_THROW(parseAttributes("a=\"1"), platform::Error);
}

TEST(XmlDocument, WritesCompactNodesAndReadsThemBack) {
    TrpXMLDocument document;
    document.Root.Name = "preparedreport";
    TrpXMLItem& pages = document.Root.Add("previewpages");
    TrpXMLItem& page = pages.Add("page0");
    page.Add("m1").SetAttribute("x", "K\xE9t\r\nsor");
    TrpXMLItem& third = pages.Add("page0");
    third.Unloadable = true;
    const std::string text = document.ToText();
    EXPECT_EQ(text, "<?xml version=\"1.0\" encoding=\"utf-8\"?><preparedreport><previewpages>"
                    "<page0><m1 x=\"K\xE9t&#13;&#10;sor\"/></page0><page0 ld=\"0\"/>"
                    "</previewpages></preparedreport>");
    TrpXMLDocument read;
    read.FromText(text);
    EXPECT_EQ(read.ToText(), text);
    ASSERT_NE(read.Root.Find("PREVIEWPAGES"), nullptr);
    const TrpXMLItem& readPages = *read.Root.Find("previewpages");
    EXPECT_TRUE(readPages.Item(1).Unloadable);
    EXPECT_EQ(readPages.Item(0).Item(0).Attribute("X"), "K\xE9t\r\nsor");
    TrpXMLItem& m1 = readPages.Item(0).Item(0);
    m1.SetAttribute("x", "1");
    m1.SetAttribute("y", "2");
    EXPECT_EQ(m1.Text, "x=\"1\" y=\"2\"");
}

TEST(XmlDocument, MalformedTextIsRejected) {
    TrpXMLDocument document;
    for (const char* bad : {"", "<a>", "<a></b>", "<a/><b/>", "text", "<a x=1/>", "<a/>junk",
                            "<?xml version=\"1.0\"", "</a>"})
        EXPECT_THROW(document.FromText(bad), platform::Error) << bad;
    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "<TrpMasterData>";
    EXPECT_THROW(document.FromText(deep), platform::Error);
}

TEST(Serializer, DeeplyNestedDefinitionsStopAtASaneDepth) {
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "<TrpChild>";
    for (int i = 0; i < 200; ++i)
        text += "</TrpChild>";
    TrpReport report;
    report.LoadDefinition("<TrpReport>" + text + "</TrpReport>");
    EXPECT_FALSE(report.ErrorList.empty());
    EXPECT_LT(report.AllObjects().size(), 100u);
}
