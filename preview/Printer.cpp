// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/Printer.h"

#include "preview/PaperCodes.h"
#include "preview/PrinterCanvas.h"

#include "platform/Cp1250.h"
#include "platform/Error.h"
#include "preview/PrintSpooler.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace preview {
namespace {

constexpr int preferredResolution = 600;

[[noreturn]] void fail(const std::string& utf8Text, const std::string& printer,
                       const std::string& reason = {}) {
    std::string message = platform::fromUtf8(utf8Text);
    const auto at = message.find("%s");
    if (at != std::string::npos)
        message.replace(at, 2, printer);
    if (!reason.empty())
        message += ": " + reason;
    throw platform::Error(message);
}

[[noreturn]] void failFile(const QString& path) {
    throw platform::Error(platform::toCp1250(
        QStringLiteral("Cannot create file \"%1\"").arg(QDir::toNativeSeparators(path))));
}

QPageLayout::Orientation qtOrientation(report::TrpPageOrientation orientation) {
    return orientation == report::poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

report::TrpPageOrientation ourOrientation(QPageLayout::Orientation orientation) {
    return orientation == QPageLayout::Portrait ? report::poPortrait : report::poLandscape;
}

// The spooler's name of a paper: its standard name, or the custom form in millimetres.
QString mediaName(const QPageSize& size) {
    if (size.id() != QPageSize::Custom)
        return size.key();
    const QSizeF mm = size.size(QPageSize::Millimeter);
    return QStringLiteral("Custom.%1x%2mm").arg(mm.width()).arg(mm.height());
}

} // namespace

TrpPrinter::TrpPrinter(const QString& queueName, const QString& location)
    : TrpCustomPrinter(platform::toCp1250(queueName), platform::toCp1250(location))
    , queueName_(queueName) {}

TrpPrinter::~TrpPrinter() {
    AbortDocument();
}

platform::Canvas* TrpPrinter::Canvas() {
    return canvas_.get();
}

int TrpPrinter::ChooseResolution(const QList<int>& supported) {
    QList<int> listed;
    for (const int dpi : supported)
        if (dpi != 72)
            listed.append(dpi);
    if (listed.isEmpty() || listed.contains(preferredResolution))
        return preferredResolution;
    int best = listed.front();
    for (const int dpi : listed) {
        const int distance = std::abs(dpi - preferredResolution);
        const int bestDistance = std::abs(best - preferredResolution);
        if (distance < bestDistance || (distance == bestDistance && dpi > best))
            best = dpi;
    }
    return best;
}

void TrpPrinter::Init() {
    if (initialized_)
        return;
    const QPrinterInfo info = QPrinterInfo::printerInfo(queueName_);
    if (info.isNull())
        return;
    auto record = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!record->isValid())
        return;
    record->setResolution(ChooseResolution(info.supportedResolutions()));
    record->setFullPage(false);
    record_ = std::move(record);
    canvas_ = std::make_unique<TrpPrinterCanvas>(preferredResolution, preferredResolution);

    const QPageLayout layout = record_->pageLayout();
    layOut(layout.pageSize(), ourOrientation(layout.orientation()));
    defPaper_ = paper_ = layout.pageSize().windowsId();
    defOrientation_ = orientation_ = ourOrientation(layout.orientation());
    defPaperWidth_ = paperWidth_;
    defPaperHeight_ = paperHeight_;

    std::vector<TrpPrinterListItem> papers;
    for (const QPageSize& size : info.supportedPageSizes())
        papers.push_back({platform::toCp1250(size.name()), size.windowsId()});
    // Qt lists no paper sources outside Windows, so the bins are the automatic one only.
    SetDriverLists(papers, {});
    initialized_ = true;
}

void TrpPrinter::layOut(const QPageSize& size, report::TrpPageOrientation orientation) {
    record_->setPageSize(size);
    record_->setPageOrientation(qtOrientation(orientation));
    // The device starts at the printable area, so the margins are exactly the printer's
    // non-printable strips for this paper.
    const QPageLayout layout = record_->pageLayout();
    if (layout.margins() != layout.minimumMargins())
        record_->setPageMargins(layout.minimumMargins(), layout.units());
    refreshFromRecord();
}

void TrpPrinter::refreshFromRecord() {
    resolutionX_ = resolutionY_ = record_->resolution();
    const QRectF paper = record_->paperRect(QPrinter::Millimeter);
    const QRectF page = record_->pageRect(QPrinter::Millimeter);
    paperWidth_ = paper.width();
    paperHeight_ = paper.height();
    leftMargin_ = page.left();
    topMargin_ = page.top();
    rightMargin_ = paperWidth_ - page.width() - leftMargin_;
    bottomMargin_ = paperHeight_ - page.height() - topMargin_;
    canvas_->setResolution(resolutionX_, resolutionY_);
}

void TrpPrinter::SelectPaper(int code, double widthMm, double heightMm,
                             report::TrpPageOrientation orientation) {
    if (!record_)
        return;
    if (code == customPaper) {
        SelectPaper(9, widthMm, heightMm, orientation);
        paperWidth_ = widthMm;
        paperHeight_ = heightMm;
    } else {
        if (orientation == report::poLandscape)
            std::swap(widthMm, heightMm);
        layOut(pageSizeForPaper(code, widthMm, heightMm), orientation);
    }
    paper_ = code;
    orientation_ = orientation;
}

void TrpPrinter::ApplyPageSettings(int code, double widthMm, double heightMm,
                                   report::TrpPageOrientation orientation, int bin, int copies,
                                   int duplex) {
    if (!record_)
        return;
    // The size comes as the page shows it; the driver wants it upright, in tenths of a
    // millimetre, and turns it itself.
    double width = std::round(widthMm * 10) / 10;
    double height = std::round(heightMm * 10) / 10;
    if (orientation == report::poLandscape)
        std::swap(width, height);
    layOut(pageSizeForPaper(code, width, height), orientation);
    bin_ = bin == -1 ? defaultBin : bin;
    copies_ = copies;
    duplex_ = duplex;
    paper_ = code;
    orientation_ = orientation;
}

void TrpPrinter::StartDocument() {
    if (printing_)
        return;
    Init();
    if (!record_)
        fail("A(z) \"%s\" nyomtató nem érhető el", name_);
    if (OutputFile.isEmpty()) {
        const PrintQueueStatus status = printQueueStatus(queueName_);
        switch (status.state) {
        case PrintQueueState::Unreachable:
            fail("A(z) \"%s\" nyomtató nem érhető el", name_, status.reason);
        case PrintQueueState::Stopped:
            fail("A(z) \"%s\" nyomtató le van állítva", name_, status.reason);
        case PrintQueueState::Rejecting:
            fail("A(z) \"%s\" nyomtató nem fogad nyomtatási feladatot", name_, status.reason);
        case PrintQueueState::Ready:
            break;
        }
        // "/proc/self/fd/N" has no ".pdf" suffix, which would switch Qt from the printer's engine
        // to its plain PDF writer.
        spool_ = std::make_unique<platform::UnnamedFile>(QDir::tempPath());
        if (!spool_->isOpen()) {
            spool_.reset();
            failFile(QDir::tempPath());
        }
    }
    record_->setDocName(platform::toUnicode(Title));
    record_->setOutputFileName(OutputFile.isEmpty() ? spool_->path() : OutputFile);
    painter_ = std::make_unique<QPainter>();
    media_.clear();
    printing_ = true;
}

void TrpPrinter::StartPage() {
    if (!printing_)
        return;
    if (!painter_->isActive()) {
        media_ = mediaName(record_->pageLayout().pageSize());
        if (!painter_->begin(record_.get()))
            failFile(record_->outputFileName());
    } else {
        record_->newPage();
    }
    canvas_->bind(*painter_);
}

void TrpPrinter::FinishPage() {
    // The page is closed by the next page or by the end of the document.
}

bool TrpPrinter::endPainting() {
    canvas_->unbind();
    const bool began = painter_ && painter_->isActive();
    const bool written = began && painter_->end();
    painter_.reset();
    record_->setOutputFileName(QString());
    printing_ = false;
    return written || !began;
}

void TrpPrinter::FinishDocument() {
    if (!printing_)
        return;
    const QString target = record_->outputFileName();
    const bool began = painter_->isActive();
    const bool written = endPainting();
    if (!spool_) {
        if (!written)
            failFile(target);
        return;
    }
    const std::unique_ptr<platform::UnnamedFile> document = std::move(spool_);
    const QString spool = document->path();
    std::optional<std::string> refused;
    if (!written)
        refused = platform::toCp1250(QStringLiteral("Cannot create file \"%1\"").arg(spool));
    else if (began)
        refused =
            spoolPdfFile(queueName_, spool, Title, {copies_, false, media_, duplex_, resolutionX_});
    if (refused)
        fail("A nyomtatási feladat nem jutott el a(z) \"%s\" nyomtatóhoz", name_, *refused);
}

void TrpPrinter::AbortDocument() {
    if (!printing_)
        return;
    endPainting();
    spool_.reset();
}

void TrpPrinter::ShowPrinterProperties() {
    Init();
    if (!record_ || printing_)
        return;
    QPageSetupDialog dialog(record_.get(), QApplication::activeWindow());
    dialog.exec();
    const QPageLayout layout = record_->pageLayout();
    refreshFromRecord();
    paper_ = layout.pageSize().windowsId();
    orientation_ = ourOrientation(layout.orientation());
}

} // namespace preview
