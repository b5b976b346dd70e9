// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the certificate's report definition, the template the Print command prepares, as the
// report's stored form (XML):
//   make_template <resources folder>
// reads coat_of_arms.jpg and iso9001.jpg from the folder and writes certificate.xml into it. The
// rows below are the template: one A4 page of text objects, lines, two pictures and a barcode,
// placed directly on the page in output order. Run it under QT_QPA_PLATFORM=offscreen.
#include "platform/Cp1250.h"
#include "platform/Files.h"
#include "report/RpReport.h"
#include "report/objects/RpBarCodeView.h"
#include "report/objects/RpClassRegistry.h"
#include "report/objects/RpLineView.h"
#include "report/objects/RpMemoView.h"
#include "report/objects/RpPage.h"
#include "report/objects/RpPictureView.h"
#include "report/xml/RpXmlSerializer.h"

#include <QGuiApplication>
#include <cstdio>
#include <initializer_list>
#include <utility>

using namespace report;

namespace {

using Settings = std::initializer_list<std::pair<const char*, const char*>>;

// Properties by their stored names; texts in the source are UTF-8.
void set(TrpPersistent& object, Settings settings) {
    for (const auto& [path, value] : settings)
        TrpXMLSerializer::SetProperty(object, path, platform::fromUtf8(value));
}

template <class View>
View* place(TrpReportPage* page, const char* name, double left, double top, double width,
            double height) {
    auto* view = new View(page);
    view->SetName(name);
    view->Left = left;
    view->Top = top;
    view->Width = width;
    view->Height = height;
    return view;
}

// A text object in its own font (never the parent's), black unless the settings say otherwise.
TrpMemoView* text(TrpReportPage* page, const char* name, double left, double top, double width,
                  double height, const char* font, const char* fontHeight, const char* fontStyle,
                  std::initializer_list<const char*> lines, Settings settings = {}) {
    auto* memo = place<TrpMemoView>(page, name, left, top, width, height);
    set(*memo, {{"ParentFont", "False"},
                {"Font.Name", font},
                {"Font.Height", fontHeight},
                {"Font.Style", fontStyle},
                {"Font.Charset", "1"},
                {"Font.Color", "0"}});
    set(*memo, settings);
    for (const char* line : lines)
        memo->Memo.push_back(platform::fromUtf8(line));
    return memo;
}

TrpLineView* line(TrpReportPage* page, const char* name, double left, double top, double width,
                  double height, Settings settings) {
    auto* view = place<TrpLineView>(page, name, left, top, width, height);
    set(*view, settings);
    return view;
}

void picture(TrpReportPage* page, const char* name, double left, double width, double height,
             const std::string& jpeg) {
    auto* view = place<TrpPictureView>(page, name, left, 0, width, height);
    // The stored form: the graphic class name's length in one byte, the name, the image's byte
    // length in 32 bits (lowest byte first), the image.
    std::string data = std::string(1, 10) + "TJPEGImage";
    for (int shift = 0; shift < 32; shift += 8)
        data.push_back(static_cast<char>((jpeg.size() >> shift) & 0xFF));
    view->Picture().LoadFromStoredData(data + jpeg);
    view->SetAutoSize(true);
}

void buildTemplate(TrpReport& report, const std::string& coatOfArms, const std::string& isoMark) {
    report.SetName("rpReport1");
    set(report, {{"DotMatrixReport", "False"},
                 {"EngineOptions.MaxMemSize", "10000000"},
                 {"PreviewOptions.Buttons", "17"}, // pbPrint, pbZoom
                 {"PreviewOptions.Zoom", "1"},
                 {"PrintOptions.Printer", "Default"},
                 {"ReportOptions.CreateDate", "38821.742800925924"}, // 2006-04-14 17:49:38
                 {"ReportOptions.LastChange", "38841.767534722225"}, // 2006-05-04 18:25:15
                 {"ScriptLanguage", "Pascal"}});
    report.ScriptText = {"begin", "", "end."};

    auto* page = new TrpReportPage(&report);
    page->SetName("Page1");
    page->SetPaperSize(9);
    page->SetOrientation(poPortrait);
    page->LeftMargin = 22;
    page->RightMargin = 20;
    page->TopMargin = 10;
    page->BottomMargin = 25;

    const Settings top = {{"Frame.Typ", "4"}};  // ftTop
    const Settings left = {{"Frame.Typ", "1"}}; // ftLeft
    const Settings center = {{"HAlign", "haCenter"}};
    const Settings bottom = {{"VAlign", "vaBottom"}};
    const Settings block = {{"HAlign", "haBlock"}};
    text(page, "Memo1", 166.29932, 94.48825, 302.3624, 34.01577, "Tahoma", "-15", "1",
         {"MUNKÁLTATÓI IGAZOLÁS", ""}, center);
    text(page, "Memo2", 483.77984, 83.14966, 86.92919, 18.89765, "Tahoma", "-13", "1",
         {"Iktatószám:"});
    text(page, "Memo46", 506.45702, -3.77953, 90.70872, 71.81107, "Tahoma", "-13", "0",
         {"illetékbélyeg", "helye"},
         {{"HAlign", "haCenter"}, {"VAlign", "vaCenter"}, {"Visible", "False"}});
    line(page, "Line16", 0, 132.28355, 634.96104, 0, top);
    line(page, "Line17", 158.74015748, 75.5906, 0, 56.69295, left);
    text(page, "Memo30", 3.77953, 86.92919, 147.40167, 15.11812, "Tahoma", "-11", "0",
         {"Nyomtatvány száma:"}, center);
    text(page, "Memo64", 3.77953, 102.04731, 147.40167, 22.67718, "Franklin Gothic Medium", "-19",
         "1", {"KF2718"}, center);
    line(page, "Line1", 0, 170.07885, 634.96104, 0, top);
    text(page, "Memo66", 7.55906, 136.06308, 616.06339, 30.23624, "Tahoma", "-11", "1",
         {"Tölgyesvárhely Város Önkormányzata nyomtatványa"},
         {{"HAlign", "haCenter"}, {"VAlign", "vaCenter"}});
    picture(page, "Picture1", 0, 60, 62, coatOfArms);
    picture(page, "Picture2", 71.81107, 90, 62, isoMark);
    line(page, "Line40", 0, 967.55968, 634.96065433, 0, top);
    auto* barcode = place<TrpBarCodeView>(page, "BarCode1", 487.55937, 109.60637, 128, 34.01577);
    barcode->Visible = false;
    barcode->BarType = bcCode39;
    barcode->Rotation = 0;
    barcode->ShowText = false;
    barcode->Zoom = 1.0;
    barcode->Text = "12345678";
    // 21 mm wide, as its neighbours: 13 mm held "2026.12.09." but broke the Hungarian short date
    // "2026. 12. 09." into two lines, the first of them cut off above the box.
    text(page, "Memo65", 245.66945, 971.33921, 79.37013, 15.11812, "Tahoma", "-8", "0", {"[datum]"},
         bottom);
    text(page, "Memo174", 0, 971.33921, 79.37013, 15.11812, "Tahoma", "-8", "0",
         {"Nyomtatvány száma:"}, bottom);
    text(page, "Memo175", 79.37013, 971.33921, 64.25201, 15.11812, "Franklin Gothic Medium", "-12",
         "1", {"KF2718"}, {{"VAlign", "vaCenter"}});
    text(page, "Memo176", 555.59091, 971.33921, 79.37013, 15.11812, "Tahoma", "-8", "0",
         {"Oldal: 1/1"}, bottom);
    text(page, "Memo177", 143.62214, 971.33921, 98.26778, 15.11812, "Tahoma", "-8", "0",
         {"([azon])"}, bottom);
    line(page, "Line5", 476.22047244, 75.5906, 0, 56.69295, left);
    text(page, "Memo7", 7.55906, 461.10266, 151.1812, 22.67718, "Tahoma", "-15", "0",
         {"Kelt: Tölgyesvárhely,"}, block);
    text(page, "Memo8", 158.74026, 461.10266, 170.07885, 22.67718, "Tahoma", "-15", "0",
         {"[datum]"}, block);
    // A dotted frame style without sides: no frame is drawn.
    text(page, "Memo14", 347.71676, 563.14997, 272.12616, 15.11812, "Tahoma", "-15", "0",
         {"aláírás"}, {{"HAlign", "haCenter"}, {"VAlign", "vaCenter"}, {"Frame.Style", "fsDot"}});
    line(page, "Line3", 347.71676, 559.37044, 272.12616, 0,
         {{"Frame.Style", "fsDot"}, {"Frame.Typ", "4"}});
    text(page, "Memo15", 347.71676, 631.18151, 272.12616, 18.89765, "Tahoma", "-15", "1", {"ph."},
         {{"HAlign", "haCenter"},
          {"VAlign", "vaCenter"},
          {"Frame.Style", "fsDot"},
          {"Font.Color", "13421772"}});
    // The body; the two double blanks of the sixth line are part of the text.
    text(page, "Memo3", 7.55906, 219.21274, 619.84292, 211.65368, "Tahoma", "-15", "0",
         {"<u><b>[m1]</b></u>", "<u><b>[m2]</b></u>", "",
          "Alulírott munkáltató igazolom, hogy <b>[m3]</b> [m13], <b>[m9]</b> szám alatti lakos "
          "<b>[m5]</b> óta áll alkalmazásunkban <b>[m4]</b> beosztásban.",
          "",
          "Nevezett  utolsó <b>3 havi nettó jövedelmi átlaga</b> (családi pótlék nélkül):  "
          "<b>[m7]</b> Ft.",
          "A családi pótlék összege: <b>[m8]</b> Ft."},
         {{"HAlign", "haBlock"}, {"AllowHTMLTags", "True"}, {"LineSpacing", "6"}});
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_template <resources folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    try {
        TrpReport report;
        buildTemplate(report, platform::readWholeFile(folder + "/coat_of_arms.jpg"),
                      platform::readWholeFile(folder + "/iso9001.jpg"));
        platform::writeFileAtomically(folder + "/certificate.xml", report.SaveToText());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_template: %s\n", e.what());
        return 1;
    }
    return 0;
}
