// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordingPrinter.h"
#include "TestPages.h"

#include "preview/PrintDialog.h"
#include "preview/PrintJob.h"
#include "preview/Printers.h"

#include "platform/Cp1250.h"
#include "platform/Error.h"

#include "support/ModalAnswerer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace preview;

namespace {

using Steps = std::vector<std::string>;
using Indexes = std::vector<int>;

// A job over test pages on a list of recording printers ("Office" current, then "Laser").
class PrintJob : public ::testing::Test {
protected:
    explicit PrintJob(int pageCount = 3) : pages(pageCount) {
        std::vector<std::unique_ptr<TrpCustomPrinter>> list;
        list.push_back(std::make_unique<RecordingPrinter>("Office"));
        list.push_back(std::make_unique<RecordingPrinter>("Laser"));
        printers = std::make_unique<TrpPrinters>(std::move(list), "Office");
        pages.Report().PrintOptions.ShowDialog = false;
        pages.Report().ReportOptions.Name = "Igazolas";
    }

    RecordingPrinter& printer(int index = 0) {
        return static_cast<RecordingPrinter&>(printers->At(index));
    }
    report::TrpPrintOptions& options() { return pages.Report().PrintOptions; }
    void run() { RunPrintJob(pages, *printers); }
    // The message the job failed with, or "" when it did not fail.
    std::string failure() {
        try {
            run();
        } catch (const std::exception& e) {
            return e.what();
        }
        return {};
    }

    TestPages pages;
    std::unique_ptr<TrpPrinters> printers;
};

// Answers the print dialog: changes made by the callback, then OK.
ModalAnswerer::Answer inDialog(std::function<void(TrpPrintDialog&)> change) {
    return [change](QWidget* w) {
        auto* dialog = qobject_cast<TrpPrintDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        change(*dialog);
        dialog->OkB->click();
    };
}

std::string apply(int copies) {
    return "Apply 9 210x297 o0 bin7 copies" + std::to_string(copies) + " duplex1";
}

} // namespace

TEST_F(PrintJob, PrintsEveryPageAsOneDocument) {
    run();
    EXPECT_EQ(pages.painted, (Indexes{0, 1, 2}));
    EXPECT_EQ(pages.progress, (Indexes{1, 2, 3}));
    EXPECT_EQ(pages.cacheDrops, 3);
    const std::string page[] = {apply(1), "StartPage", "FinishPage"};
    EXPECT_EQ(printer().steps,
              (Steps{"StartDocument Igazolas", page[0], page[1], page[2], page[0], page[1], page[2],
                     page[0], page[1], page[2], "FinishDocument"}));
    EXPECT_TRUE(printer(1).steps.empty());
}

TEST_F(PrintJob, CollatedCopiesRepeatTheSequenceUncollatedAskThePrinter) {
    options().Copies = 2;
    run();
    EXPECT_EQ(pages.painted, (Indexes{0, 1, 2, 0, 1, 2}));
    EXPECT_EQ(printer().count(apply(1)), 6);
    EXPECT_EQ(printer().count("StartDocument Igazolas"), 1);
    EXPECT_EQ(printer().count("FinishDocument"), 1);

    printer().steps.clear();
    pages.painted.clear();
    options().Copies = 3;
    options().Collate = false;
    run();
    EXPECT_EQ(pages.painted, (Indexes{0, 1, 2}));
    EXPECT_EQ(printer().count(apply(3)), 3);
}

TEST_F(PrintJob, CopiesBelowOnePrintOnce) {
    options().Copies = 0;
    run();
    options().Copies = -5;
    run();
    EXPECT_EQ(pages.painted, (Indexes{0, 1, 2, 0, 1, 2}));
}

TEST_F(PrintJob, PageListSelectsInPageOrder) {
    options().PageNumbers = "3,1";
    run();
    EXPECT_EQ(pages.painted, (Indexes{0, 2}));
    pages.painted.clear();
    options().PageNumbers = "2-";
    run();
    EXPECT_EQ(pages.painted, (Indexes{1, 2}));
    pages.painted.clear();
    options().PageNumbers = "3-1"; // lists nothing: every page
    run();
    EXPECT_EQ(pages.painted, (Indexes{0, 1, 2}));
}

TEST_F(PrintJob, DuplicateEntriesPrintAPageOncePerCopy) {
    options().PageNumbers = "01,1";
    options().Copies = 2;
    run();
    EXPECT_EQ(pages.painted, (Indexes{0, 0}));
}

TEST_F(PrintJob, ParityFiltersThePageNumbers) {
    options().PrintPages = report::ppOdd;
    run();
    EXPECT_EQ(pages.painted, (Indexes{0, 2}));
    pages.painted.clear();
    options().PrintPages = report::ppEven;
    run();
    EXPECT_EQ(pages.painted, (Indexes{1}));
}

class OnePagePrintJob : public PrintJob {
protected:
    OnePagePrintJob() : PrintJob(1) {}
};

TEST_F(OnePagePrintJob, NothingSelectedStartsNoDocument) {
    options().PrintPages = report::ppEven;
    run();
    options().PrintPages = report::ppAll;
    options().PageNumbers = "0";
    run();
    options().PageNumbers = "99";
    run();
    EXPECT_TRUE(pages.painted.empty());
    EXPECT_TRUE(printer().steps.empty());
}

TEST_F(PrintJob, BadPageRangeFailsBeforeAnythingIsPrinted) {
    options().PageNumbers = "1,,3";
    EXPECT_EQ(failure(), "'' is not a valid integer value");
    EXPECT_TRUE(printer().steps.empty());
}

TEST_F(PrintJob, PrinterOptionSelectsAnInstalledPrinterOnly) {
    options().Printer = "Default";
    run();
    EXPECT_EQ(printers->PrinterIndex(), 0);
    EXPECT_FALSE(printer(0).steps.empty());
    options().Printer = "LASER";
    run();
    EXPECT_EQ(printers->PrinterIndex(), 1);
    EXPECT_EQ(printer(1).count("FinishDocument"), 1);
}

TEST_F(PrintJob, NoCurrentPrinterTakesTheFirst) {
    printers->SetPrinterIndex(-1);
    run();
    EXPECT_EQ(printers->PrinterIndex(), 0);
    EXPECT_EQ(printer(0).count("FinishDocument"), 1);
}

TEST_F(PrintJob, TitleIsTheReportNameOrElseItsFileName) {
    pages.Report().ReportOptions.Name.clear();
    pages.fileName = "kf2718.frf";
    options().PageNumbers = "1";
    run();
    EXPECT_EQ(printer().steps.front(), "StartDocument kf2718.frf");
}

TEST_F(PrintJob, EachPageGetsItsPaperBinAndDuplex) {
    pages.page(0).Bin = 1;
    pages.page(0).BinOtherPages = 2;
    pages.page(1).SetOrientation(report::poLandscape);
    pages.page(1).Bin = 3;
    pages.page(1).BinOtherPages = 4;
    pages.page(1).Duplex = report::dmVertical;
    pages.page(2).SetPaperSize(11);
    pages.page(2).Duplex = report::dmHorizontal;
    pages.page(2).BinOtherPages = -1;
    run();
    EXPECT_EQ(printer().steps[1], "Apply 9 210x297 o0 bin1 copies1 duplex1");
    EXPECT_EQ(printer().steps[4], "Apply 9 297x210 o1 bin4 copies1 duplex2");
    EXPECT_EQ(printer().steps[7], "Apply 11 148x210 o0 bin-1 copies1 duplex3");
}

TEST_F(PrintJob, PagesAreDrawnAtThePrinterResolutionFromThePaperEdge) {
    std::vector<std::unique_ptr<TrpCustomPrinter>> list;
    list.push_back(std::make_unique<RecordingPrinter>("Margins", "", 4.23));
    TrpPrinters withMargins(std::move(list), "Margins");
    options().PageNumbers = "1";
    RunPrintJob(pages, withMargins);
    const auto& records = static_cast<RecordingPrinter&>(withMargins.At(0)).canvas.records();
    ASSERT_FALSE(records.empty());
    ASSERT_EQ(records.front().kind, platform::CanvasRecord::Kind::Rectangle);
    // 22 mm from the paper's edge at 600 dpi, less the 4.23 mm the printer cannot reach.
    EXPECT_NEAR(records.front().rect.left, 420, 1);
    EXPECT_NEAR(records.front().rect.top, std::lround((10 - 4.23) / 25.4 * 600), 1);
    EXPECT_EQ(records.front().rect.width(), std::lround(300 * 6.25));
}

TEST_F(PrintJob, StopRequestAbortsTheDocument) {
    options().Copies = 2;
    pages.stopAfterPages = 2;
    run();
    EXPECT_EQ(pages.painted, (Indexes{0, 1}));
    EXPECT_EQ(printer().count("AbortDocument"), 1);
    EXPECT_EQ(printer().count("FinishDocument"), 0);
    EXPECT_FALSE(printer().Printing());
}

TEST_F(PrintJob, FailingPrinterIsReportedAndTheProgramGoesOn) {
    printer().failure = platform::fromUtf8("A(z) \"Office\" nyomtató le van állítva");
    try {
        run();
        ADD_FAILURE() << "the failing printer printed";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.what(), printer().failure);
    }
    EXPECT_TRUE(pages.painted.empty());

    printer().failure.clear();
    run();
    EXPECT_EQ(pages.painted, (Indexes{0, 1, 2}));
}

TEST(PrintJobWithoutPrinters, ReportsThatNoPrinterIsInstalled) {
    TestPages pages(1);
    pages.Report().PrintOptions.ShowDialog = false;
    TrpPrinters onlyVirtual({}, "");
    try {
        RunPrintJob(pages, onlyVirtual);
        ADD_FAILURE() << "printed without a printer";
    } catch (const platform::Error& e) {
        EXPECT_EQ(std::string(e.what()), platform::fromUtf8("Nincs nyomtató telepítve"));
    }
    EXPECT_TRUE(pages.painted.empty());
}

TEST_F(PrintJob, DialogChoicesDecideTheJob) {
    options().ShowDialog = true;
    TestPages five(5);
    five.Report().PrintOptions.ShowDialog = true;
    ModalAnswerer answerer;
    answerer.then(inDialog([](TrpPrintDialog& d) {
        d.PageNumbersRB->setChecked(true);
        d.PageNumbersE->setText("2-");
        d.PrintPagesCB->setCurrentIndex(1); // odd pages
        d.ReverseCB->setChecked(true);
        d.CopiesE->setText("2");
        d.CollateCB->setChecked(false);
    }));
    RunPrintJob(five, *printers);
    EXPECT_EQ(five.painted, (Indexes{4, 2}));
    EXPECT_EQ(printer().count(apply(2)), 2);
}

TEST_F(PrintJob, CurrentPageChoicePrintsThePreviewPage) {
    options().ShowDialog = true;
    pages.currentPage = 2;
    ModalAnswerer answerer;
    answerer.then(inDialog([](TrpPrintDialog& d) { d.CurPageRB->setChecked(true); }));
    run();
    EXPECT_EQ(pages.painted, (Indexes{1}));
}

TEST_F(PrintJob, AllPagesChoiceIgnoresThePageNumbersText) {
    options().ShowDialog = true;
    options().PageNumbers = "2";
    ModalAnswerer answerer;
    answerer.then(inDialog([](TrpPrintDialog& d) {
        EXPECT_EQ(d.PageNumbersE->text(), "2");
        EXPECT_TRUE(d.AllRB->isChecked());
    }));
    run();
    EXPECT_EQ(pages.painted, (Indexes{0, 1, 2}));
}

TEST_F(PrintJob, CopiesTextThatIsNotANumberPrintsNothing) {
    options().ShowDialog = true;
    ModalAnswerer answerer;
    answerer.then(inDialog([](TrpPrintDialog& d) { d.CopiesE->setText("két"); }));
    try {
        run();
        ADD_FAILURE() << "printed with copies \"két\"";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.what(), platform::fromUtf8("'két' is not a valid integer value"));
    }
    EXPECT_EQ(answerer.seen().size(), 1u);
    EXPECT_TRUE(printer().steps.empty());
}

TEST_F(PrintJob, CancelledDialogPrintsNothing) {
    options().ShowDialog = true;
    ModalAnswerer answerer;
    answerer.then(ModalAnswerer::reject());
    run();
    EXPECT_EQ(answerer.seen().size(), 1u);
    EXPECT_TRUE(pages.painted.empty());
    EXPECT_TRUE(printer().steps.empty());
}
