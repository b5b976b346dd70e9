// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One printer of the printer list: its resolution, paper and bin lists, non-printable margins, a
// drawing surface and the steps of a print job. TrpPrinter is a printer of the spooler,
// TrpVirtualPrinter the stand-in used when none is installed. Paper sizes and margins are in
// millimetres; the job scales report units (96 per inch) to device pixels with PageMapping.
#include "report/objects/RpPage.h"

#include <QString>
#include <string>
#include <vector>

namespace platform {
class Canvas;
}

namespace preview {

constexpr int defaultBin = 7;       // automatic paper source
constexpr int customPaper = 256;    // a paper of the given width and height
constexpr int driverListRoom = 256; // codes a driver may list; more are ignored

// A paper or bin of a printer's lists.
struct TrpPrinterListItem {
    std::string name; // cp1250
    int code = 0;
    friend bool operator==(const TrpPrinterListItem&, const TrpPrinterListItem&) = default;
};

// How report units reach device pixels: device = units x scale + offset, with report
// coordinates measured from the paper's edge while the device starts at the printable area.
struct TrpPageMapping {
    double ScaleX = 1;
    double ScaleY = 1;
    double OffsetX = 0;
    double OffsetY = 0;
};

class TrpCustomPrinter {
public:
    virtual ~TrpCustomPrinter();
    TrpCustomPrinter(const TrpCustomPrinter&) = delete;
    TrpCustomPrinter& operator=(const TrpCustomPrinter&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& Port() const { return port_; }
    // First entries "Alapértelmezett" (code 7) and "Egyéni" (code 256).
    const std::vector<TrpPrinterListItem>& Bins() const { return bins_; }
    const std::vector<TrpPrinterListItem>& Papers() const { return papers_; }

    // The drawing surface; none without a device context.
    virtual platform::Canvas* Canvas() { return nullptr; }
    // False for the virtual printer, which has nothing to print on.
    virtual bool HasDevice() const { return false; }

    int ResolutionX() const { return resolutionX_; }
    int ResolutionY() const { return resolutionY_; }
    report::TrpPageOrientation DefOrientation() const { return defOrientation_; }
    int DefPaper() const { return defPaper_; }
    double DefPaperWidth() const { return defPaperWidth_; }
    double DefPaperHeight() const { return defPaperHeight_; }
    int Paper() const { return paper_; }
    double PaperWidth() const { return paperWidth_; }
    double PaperHeight() const { return paperHeight_; }
    double LeftMargin() const { return leftMargin_; }
    double TopMargin() const { return topMargin_; }
    double RightMargin() const { return rightMargin_; }
    double BottomMargin() const { return bottomMargin_; }
    report::TrpPageOrientation Orientation() const { return orientation_; }
    int Bin() const { return bin_; }
    bool Printing() const { return printing_; }
    bool Initialized() const { return initialized_; }

    std::string Title;  // the document's name at the spooler (cp1250)
    QString OutputFile; // when set, the job goes into this file instead of the printer

    // Reads the driver's data once (a printer whose data cannot be read stays uninitialised).
    virtual void Init() = 0;
    // Lays the printer out for a paper and orientation and refreshes resolution, paper size and
    // margins. Code 256 lays out A4 and then takes the given size, keeping A4's margins.
    virtual void SelectPaper(int code, double widthMm, double heightMm,
                             report::TrpPageOrientation orientation) = 0;
    // The settings of the page about to be printed. Bin -1 means automatic; duplex 1 simplex,
    // 2 vertical, 3 horizontal; copies is the number the printer itself makes of each page.
    virtual void ApplyPageSettings(int code, double widthMm, double heightMm,
                                   report::TrpPageOrientation orientation, int bin, int copies,
                                   int duplex) = 0;

    // The steps of a job; a printer without a device does nothing.
    virtual void StartDocument() {}
    virtual void StartPage() {}
    virtual void FinishPage() {}
    virtual void FinishDocument() {}
    virtual void AbortDocument() {}
    virtual void ShowPrinterProperties() {}

    // Scale = resolution / 96; offset = minus the non-printable margin in device pixels.
    TrpPageMapping PageMapping() const;

protected:
    TrpCustomPrinter(std::string name, std::string port);

    // The driver's papers and bins after the first entries; a driver's own entry with the first
    // entry's code (256, 7) is left out, and only the first driverListRoom entries are read.
    void SetDriverLists(const std::vector<TrpPrinterListItem>& papers,
                        const std::vector<TrpPrinterListItem>& bins);

    std::string name_;
    std::string port_;
    std::vector<TrpPrinterListItem> bins_;
    std::vector<TrpPrinterListItem> papers_;
    int resolutionX_ = 0;
    int resolutionY_ = 0;
    report::TrpPageOrientation defOrientation_ = report::poPortrait;
    int defPaper_ = 9;
    double defPaperWidth_ = 0;
    double defPaperHeight_ = 0;
    int paper_ = 9;
    double paperWidth_ = 0;
    double paperHeight_ = 0;
    double leftMargin_ = 0;
    double topMargin_ = 0;
    double rightMargin_ = 0;
    double bottomMargin_ = 0;
    report::TrpPageOrientation orientation_ = report::poPortrait;
    int bin_ = defaultBin;
    bool printing_ = false;
    bool initialized_ = false;
};

} // namespace preview
