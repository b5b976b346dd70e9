// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A printer of the system's spooler. Its driver record is a QPrinter that keeps the page layout
// with the printer's own non-printable margins. A document is drawn through that QPrinter's
// vector engine into a PDF (a temporary file, or the output file when printing to a file) and,
// when finished, handed to the spooler; aborting discards it, so nothing of an aborted job is
// printed. Failures of the spooler are reported as exceptions (platform::Error) with the reason.
#include "platform/UnnamedFile.h"
#include "preview/CustomPrinter.h"

#include <memory>

class QPainter;
class QPageSize;
class QPrinter;

namespace preview {

class TrpPrinterCanvas;

class TrpPrinter : public TrpCustomPrinter {
public:
    // A queue as the spooler names it, and where it stands; nothing is read until Init.
    TrpPrinter(const QString& queueName, const QString& location);
    ~TrpPrinter() override;

    platform::Canvas* Canvas() override;
    bool HasDevice() const override { return true; }

    void Init() override;
    void SelectPaper(int code, double widthMm, double heightMm,
                     report::TrpPageOrientation orientation) override;
    void ApplyPageSettings(int code, double widthMm, double heightMm,
                           report::TrpPageOrientation orientation, int bin, int copies,
                           int duplex) override;

    // Checks that the queue takes jobs now (unless printing to a file) and opens the document;
    // raises platform::Error when the printer cannot be reached or the queue is stopped.
    void StartDocument() override;
    void StartPage() override;
    void FinishPage() override;
    // Closes the document and hands it to the spooler; raises platform::Error when the spooler
    // refuses it or the output file cannot be written.
    void FinishDocument() override;
    void AbortDocument() override;
    // The page set-up dialog on this printer's settings.
    void ShowPrinterProperties() override;

    // The resolution to print at: 600 dpi unless the printer lists resolutions without it, then
    // the listed one nearest to 600 (the higher on a tie). A list of only 72 says nothing.
    static int ChooseResolution(const QList<int>& supported);

private:
    // Resolution, paper size and margins from the driver record.
    void refreshFromRecord();
    void layOut(const QPageSize& size, report::TrpPageOrientation orientation);
    // Ends the painter and the document; false when a begun document could not be written.
    bool endPainting();

    QString queueName_;
    std::unique_ptr<QPrinter> record_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<TrpPrinterCanvas> canvas_;
    // The document while printing to the spooler: unnamed, so that it dies with the process.
    std::unique_ptr<platform::UnnamedFile> spool_;
    int copies_ = 1;
    int duplex_ = 1;
    QString media_; // the first page's paper, named for the spooler
};

} // namespace preview
