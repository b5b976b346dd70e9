// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PrintJob.h"

#include "preview/PageRange.h"
#include "preview/PrintDialog.h"
#include "preview/PrintablePages.h"

#include "report/RpReport.h"
#include "report/common/RpResources.h"

#include "platform/Cp1250.h"
#include "platform/Error.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

namespace preview {
namespace {

struct JobChoices {
    int copies = 1;
    bool collate = true;
    std::string pageNumbers;
    report::TrpPrintPages printPages = report::ppAll;
    bool reverse = false;
};

// Shows the dialog filled with the choices; false unless it was closed with OK.
bool askUser(JobChoices& choices, TrpPrinters& printers, const PrintablePages& pages) {
    TrpPrintDialog dialog(printers, QApplication::activeWindow());
    dialog.CopiesE->setText(QString::number(choices.copies));
    dialog.CollateCB->setChecked(choices.collate);
    dialog.PageNumbersE->setText(platform::toUnicode(choices.pageNumbers));
    dialog.PrintPagesCB->setCurrentIndex(choices.printPages);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choices.copies = platform::strToInt(platform::toCp1250(dialog.CopiesE->text()));
    choices.collate = dialog.CollateCB->isChecked();
    if (dialog.AllRB->isChecked())
        choices.pageNumbers.clear();
    else if (dialog.CurPageRB->isChecked())
        choices.pageNumbers = std::to_string(pages.CurrentPage());
    else
        choices.pageNumbers = platform::toCp1250(dialog.PageNumbersE->text());
    choices.printPages = static_cast<report::TrpPrintPages>(dialog.PrintPagesCB->currentIndex());
    choices.reverse = dialog.ReverseCB->isChecked();
    return true;
}

class PageSequence {
public:
    PageSequence(PrintablePages& pages, TrpCustomPrinter& printer, const JobChoices& choices,
                 std::vector<std::string> pageList)
        : pages_(pages)
        , printer_(printer)
        , choices_(choices)
        , pageList_(std::move(pageList)) {}

    // Prints the sequence once, each page with that many copies made by the printer; false
    // when the user asked to stop (the document is then aborted).
    bool print(int driverCopies) {
        const int count = pages_.PageCount();
        for (int k = 0; k < count; ++k) {
            const int index = choices_.reverse ? count - 1 - k : k;
            if (!selected(index + 1))
                continue;
            if (pages_.StopRequested()) {
                printer_.AbortDocument();
                return false;
            }
            printPage(index, driverCopies);
        }
        return true;
    }

    bool documentStarted() const { return documentStarted_; }

private:
    bool selected(int number) const {
        if (!pageList_.empty() && std::find(pageList_.begin(), pageList_.end(),
                                            std::to_string(number)) == pageList_.end())
            return false;
        if (choices_.printPages == report::ppOdd && number % 2 == 0)
            return false;
        if (choices_.printPages == report::ppEven && number % 2 == 1)
            return false;
        return true;
    }

    void printPage(int index, int driverCopies) {
        pages_.PrintProgress(index + 1);
        const report::TrpReportPage* page = pages_.RebuildPage(index);
        if (!page)
            return;
        if (!documentStarted_) {
            printer_.StartDocument();
            documentStarted_ = true;
        }
        printer_.ApplyPageSettings(
            page->PaperSize(), page->PaperWidth(), page->PaperHeight(), page->Orientation(),
            index == 0 ? page->Bin : page->BinOtherPages, driverCopies, page->Duplex + 1);
        printer_.StartPage();
        if (platform::Canvas* canvas = printer_.Canvas()) {
            const TrpPageMapping map = printer_.PageMapping();
            pages_.PaintPage(index, *canvas, map.ScaleX, map.ScaleY, map.OffsetX, map.OffsetY);
        }
        printer_.FinishPage();
        // The preview repaints and its cancel control may set StopRequested meanwhile.
        QCoreApplication::processEvents();
        pages_.DropPageCache();
    }

    PrintablePages& pages_;
    TrpCustomPrinter& printer_;
    const JobChoices& choices_;
    std::vector<std::string> pageList_;
    bool documentStarted_ = false;
};

} // namespace

void RunPrintJob(PrintablePages& pages, TrpPrinters& printers) {
    const report::TrpReport& report = pages.Report();
    const report::TrpPrintOptions& options = report.PrintOptions;
    JobChoices choices{options.Copies, options.Collate, options.PageNumbers, options.PrintPages};
    if (const int named = printers.IndexOf(options.Printer); named != -1)
        printers.SetPrinterIndex(named);
    // The virtual printer has nothing to print on.
    if (!printers.HasPhysicalPrinters())
        throw platform::Error(report::rpResource("clNoPrinters"));
    // A default printer the spooler did not list leaves none current: take the first.
    if (printers.PrinterIndex() == -1)
        printers.SetPrinterIndex(0);

    if (options.ShowDialog && !askUser(choices, printers, pages))
        return;
    const std::vector<std::string> pageList =
        ExpandPageRange(choices.pageNumbers, pages.PageCount());
    const int copies = std::max(choices.copies, 1);

    TrpCustomPrinter& printer = *printers.Printer();
    printer.Title =
        report.ReportOptions.Name.empty() ? pages.ReportFileName() : report.ReportOptions.Name;
    PageSequence sequence(pages, printer, choices, pageList);
    try {
        bool finished = true;
        if (choices.collate) {
            for (int copy = 0; copy < copies && finished; ++copy)
                finished = sequence.print(1);
        } else {
            finished = sequence.print(copies);
        }
        if (finished && sequence.documentStarted())
            printer.FinishDocument();
    } catch (...) {
        printer.AbortDocument();
        throw;
    }
}

} // namespace preview
