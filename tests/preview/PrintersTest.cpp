// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordingPrinter.h"
#include "TestPages.h"

#include "preview/PaperCodes.h"
#include "preview/PrintJob.h"
#include "preview/Printer.h"
#include "preview/PrinterCanvas.h"
#include "preview/Printers.h"
#include "preview/VirtualPrinter.h"

#include "report/objects/RpPaperSizes.h"

#include "platform/Cp1250.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace preview;

namespace {

std::string cp(const char* utf8) {
    return platform::fromUtf8(utf8);
}

std::unique_ptr<TrpPrinters> listOf(std::initializer_list<const char*> names,
                                    const std::string& defaultName) {
    std::vector<std::unique_ptr<TrpCustomPrinter>> printers;
    for (const char* name : names)
        printers.push_back(std::make_unique<RecordingPrinter>(cp(name)));
    return std::make_unique<TrpPrinters>(std::move(printers), defaultName);
}

RecordingPrinter& recording(TrpPrinters& list, int index) {
    return static_cast<RecordingPrinter&>(list.At(index));
}

} // namespace

TEST(VirtualPrinter, StandsInWithFixedA4ValuesAndThePaperTable) {
    TrpPrinters list({}, "anything");
    EXPECT_FALSE(list.HasPhysicalPrinters());
    EXPECT_TRUE(list.PrinterNames().empty());
    ASSERT_EQ(list.PrinterIndex(), 0);
    const TrpCustomPrinter& p = *list.Printer();
    EXPECT_EQ(p.Name(), cp("Virtuális"));
    EXPECT_FALSE(p.HasDevice());
    EXPECT_TRUE(p.Initialized());
    EXPECT_EQ(p.ResolutionX(), 600);
    EXPECT_EQ(p.ResolutionY(), 600);
    EXPECT_EQ(p.DefPaper(), 9);
    EXPECT_EQ(p.DefOrientation(), report::poPortrait);
    EXPECT_EQ(p.DefPaperWidth(), 210);
    EXPECT_EQ(p.DefPaperHeight(), 297);
    EXPECT_EQ(p.Bin(), 7);
    EXPECT_EQ(p.Bins(), (std::vector<TrpPrinterListItem>{{cp("Alapértelmezett"), 7}}));
    ASSERT_EQ(p.Papers().size(), 67u);
    EXPECT_EQ(p.Papers()[0], (TrpPrinterListItem{cp("Egyéni"), 256}));
    EXPECT_EQ(p.Papers()[1], (TrpPrinterListItem{"", 1}));
    EXPECT_EQ(p.Papers()[9], (TrpPrinterListItem{"", 9}));
    EXPECT_EQ(p.Papers().back(), (TrpPrinterListItem{"", 68}));
    for (const TrpPrinterListItem& paper : p.Papers()) {
        EXPECT_NE(paper.code, 48);
        EXPECT_NE(paper.code, 49);
    }
}

TEST(VirtualPrinter, SelectPaperTakesTheTableSizeTurnedForLandscape) {
    TrpVirtualPrinter p;
    p.Init();
    p.SelectPaper(9, 0, 0, report::poLandscape);
    EXPECT_EQ(p.PaperWidth(), 297);
    EXPECT_EQ(p.PaperHeight(), 210);
    EXPECT_EQ(p.Orientation(), report::poLandscape);
    p.SelectPaper(11, 0, 0, report::poPortrait);
    EXPECT_EQ(p.PaperWidth(), 148);
    EXPECT_EQ(p.PaperHeight(), 210);
    p.SelectPaper(256, 100, 150, report::poLandscape);
    EXPECT_EQ(p.Paper(), 256);
    EXPECT_EQ(p.PaperWidth(), 100);
    EXPECT_EQ(p.PaperHeight(), 150);
    p.ApplyPageSettings(9, 210, 297, report::poPortrait, 3, 2, 1);
    EXPECT_EQ(p.Bin(), 3);
    EXPECT_EQ(p.PaperWidth(), 210);
    // Its job steps do nothing.
    p.StartDocument();
    EXPECT_FALSE(p.Printing());
    EXPECT_EQ(p.Canvas(), nullptr);
}

TEST(PrinterLists, DriverEntriesDoNotRepeatTheFirstEntries) {
    RecordingPrinter p("Office");
    p.setDriverLists({{"A4", 9}, {"Custom", 256}, {"Letter", 1}}, {{"Auto", 7}, {"Tray 1", 1}});
    EXPECT_EQ(p.Papers(),
              (std::vector<TrpPrinterListItem>{{cp("Egyéni"), 256}, {"A4", 9}, {"Letter", 1}}));
    EXPECT_EQ(p.Bins(),
              (std::vector<TrpPrinterListItem>{{cp("Alapértelmezett"), 7}, {"Tray 1", 1}}));
    // Reading again starts over instead of appending.
    p.setDriverLists({{"A5", 11}}, {});
    EXPECT_EQ(p.Papers().size(), 2u);
    EXPECT_EQ(p.Bins().size(), 1u);
}

TEST(PrinterLists, OnlyTheRoomOfADriverListIsRead) {
    std::vector<TrpPrinterListItem> many;
    for (int code = 1; code <= 300; ++code)
        many.push_back({"paper", code});
    RecordingPrinter p("Office");
    p.setDriverLists(many, {});
    ASSERT_EQ(p.Papers().size(), 1u + 255u); // 256 read, code 256 among them left out
    EXPECT_EQ(p.Papers().back().code, 255);
}

TEST(PrinterList, LookupIgnoresLetterCaseAndReturnsTheFirst) {
    auto list = listOf({"Laser", "Iroda-Nyomtató", "IRODA-NYOMTATÓ"}, "Laser");
    EXPECT_EQ(list->IndexOf(cp("iroda-nyomtató")), 1);
    EXPECT_EQ(list->IndexOf(cp("IRODA-NYOMTATÓ")), 1);
    EXPECT_EQ(list->IndexOf("LASER"), 0);
    EXPECT_EQ(list->IndexOf("Default"), -1);
    EXPECT_EQ(list->IndexOf(""), -1);
    EXPECT_TRUE(list->HasPhysicalPrinters());
    EXPECT_EQ(list->PrinterNames(),
              (std::vector<std::string>{"Laser", cp("Iroda-Nyomtató"), cp("IRODA-NYOMTATÓ")}));
}

TEST(PrinterList, ProfileEntrySelectsThePrinterBeforeTheFirstComma) {
    EXPECT_EQ(TrpPrinters::DefaultPrinterFromProfile("Office,winspool,Ne01:"), "Office");
    EXPECT_EQ(TrpPrinters::DefaultPrinterFromProfile("Office"), "Office");
    EXPECT_EQ(TrpPrinters::DefaultPrinterFromProfile(std::string(100, 'x')), std::string(79, 'x'));
    auto list = listOf({"Laser", "Office"},
                       TrpPrinters::DefaultPrinterFromProfile("Office,winspool,Ne01:"));
    EXPECT_EQ(list->PrinterIndex(), 1);
    EXPECT_EQ(list->Printer()->Name(), "Office");
    EXPECT_TRUE(list->Printer()->Initialized());
    EXPECT_FALSE(list->At(0).Initialized());
}

TEST(PrinterList, SelectingInitialisesOnceAndAnUnknownDefaultLeavesNoneCurrent) {
    auto list = listOf({"Laser", "Office"}, "Gone");
    EXPECT_EQ(list->PrinterIndex(), -1);
    EXPECT_EQ(list->Printer(), nullptr);
    list->SetPrinterIndex(1);
    list->SetPrinterIndex(0);
    list->SetPrinterIndex(1);
    EXPECT_EQ(recording(*list, 1).inits, 1);
    EXPECT_EQ(recording(*list, 0).inits, 1);
    list->SetPrinterIndex(2);
    EXPECT_EQ(list->PrinterIndex(), -1);
}

TEST(PrinterMapping, ScalesToTheResolutionAndStartsAtThePrintableArea) {
    RecordingPrinter p("Office", "", 4.23);
    p.Init();
    const TrpPageMapping map = p.PageMapping();
    EXPECT_DOUBLE_EQ(map.ScaleX, 6.25);
    EXPECT_DOUBLE_EQ(map.ScaleY, 6.25);
    EXPECT_NEAR(map.OffsetX, -100, 0.5);
    EXPECT_NEAR(map.OffsetY, -100, 0.5);
    // The certificate's 22 mm left margin lands about 420 pixels into the printable area.
    EXPECT_NEAR(22 * 3.77953 * map.ScaleX + map.OffsetX, 420, 1);
}

TEST(PaperCodes, EveryTableCodeGivesTheTableSize) {
    for (int code = 1; code < 256; ++code) {
        double width = 0;
        double height = 0;
        if (!report::PaperSizeOf(code, width, height))
            continue;
        const QSizeF size = pageSizeForPaper(code, 1, 1).size(QPageSize::Millimeter);
        EXPECT_NEAR(size.width(), width, 1) << "paper code " << code;
        EXPECT_NEAR(size.height(), height, 1) << "paper code " << code;
    }
    EXPECT_EQ(pageSizeForPaper(9, 0, 0).id(), QPageSize::A4);
    const QPageSize custom = pageSizeForPaper(256, 100, 150);
    EXPECT_EQ(custom.id(), QPageSize::Custom);
    EXPECT_EQ(custom.size(QPageSize::Millimeter), QSizeF(100, 150));
    EXPECT_EQ(pageSizeForPaper(48, 120, 130).size(QPageSize::Millimeter), QSizeF(120, 130));
}

TEST(PrinterResolution, SixHundredUnlessThePrinterListsOtherwise) {
    EXPECT_EQ(TrpPrinter::ChooseResolution({}), 600);
    EXPECT_EQ(TrpPrinter::ChooseResolution({72}), 600);
    EXPECT_EQ(TrpPrinter::ChooseResolution({150, 300, 600, 1200}), 600);
    EXPECT_EQ(TrpPrinter::ChooseResolution({300}), 300);
    EXPECT_EQ(TrpPrinter::ChooseResolution({72, 360, 720}), 720);
    EXPECT_EQ(TrpPrinter::ChooseResolution({400, 800}), 800);
}

TEST(PrinterCanvas, FontsFollowThePrinterResolution) {
    TrpPrinterCanvas canvas(600, 600);
    EXPECT_EQ(canvas.pixelHeightOfPoints(10), 83);
    EXPECT_EQ(canvas.pixelHeightOfPoints(72), 600);
    canvas.setResolution(300, 300);
    canvas.setFontInPoints(platform::CanvasFont{}, 12);
    EXPECT_EQ(canvas.font().pixelHeight, 50);
    EXPECT_TRUE(canvas.isPrinter());
}

TEST(PrinterCanvas, DrawsOnlyWhileBoundToAPainter) {
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    TrpPrinterCanvas canvas(600, 600);
    canvas.setBrush({platform::clBlack, platform::BrushStyle::Solid});
    canvas.fillRect({0, 0, 50, 50});
    EXPECT_EQ(canvas.visibleArea(), platform::Rect{});
    EXPECT_EQ(image.pixel(10, 10), qRgb(255, 255, 255));
    {
        QPainter painter(&image);
        canvas.bind(painter);
        EXPECT_EQ(canvas.visibleArea(), (platform::Rect{0, 0, 100, 100}));
        canvas.setClipRect({0, 0, 20, 20});
        canvas.fillRect({0, 0, 50, 50});
        canvas.unbind();
    }
    EXPECT_EQ(image.pixel(10, 10), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(30, 30), qRgb(255, 255, 255)); // clipped
}

TEST(SpoolerPrinter, UnreadableDriverLeavesThePrinterUninitialisedAndUnprintable) {
    std::vector<std::unique_ptr<TrpCustomPrinter>> list;
    list.push_back(std::make_unique<TrpPrinter>("kf-no-such-queue", "nowhere"));
    TrpPrinters printers(std::move(list), "kf-no-such-queue");
    TrpCustomPrinter& printer = *printers.Printer();
    EXPECT_FALSE(printer.Initialized());
    EXPECT_EQ(printer.Port(), "nowhere");
    EXPECT_EQ(printer.Papers().size(), 1u);
    EXPECT_EQ(printer.Canvas(), nullptr);
    printer.SelectPaper(9, 210, 297, report::poLandscape);
    printer.ApplyPageSettings(9, 210, 297, report::poLandscape, 7, 1, 1);
    printer.ShowPrinterProperties();

    TestPages pages(1);
    pages.Report().PrintOptions.ShowDialog = false;
    try {
        RunPrintJob(pages, printers);
        ADD_FAILURE() << "printed on a printer that cannot be reached";
    } catch (const platform::Error& e) {
        EXPECT_EQ(std::string(e.what()),
                  platform::fromUtf8("A(z) \"kf-no-such-queue\" nyomtató nem érhető el"));
    }
    EXPECT_FALSE(printer.Printing());
    EXPECT_TRUE(pages.painted.empty());
}

TEST(PrinterList, ProcessWideListIsTheSpoolersView) {
    TrpPrinters& list = TrpPrinters::Instance();
    EXPECT_EQ(&list, &TrpPrinters::Instance());
    const auto now = TrpPrinters::FromSpooler();
    EXPECT_EQ(list.PrinterNames(), now->PrinterNames());
    EXPECT_EQ(list.HasPhysicalPrinters(), !now->PrinterNames().empty());
    EXPECT_EQ(list.PrinterIndex(), now->PrinterIndex());
}
