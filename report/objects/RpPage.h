// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pages of a report. A report page has paper (size code, width and height in millimetres,
// orientation) and margins; its Width and Height in report units follow the paper.
#include "report/objects/RpComponent.h"
#include "report/objects/RpFrame.h"

#include <string>
#include <vector>

namespace report {

class TrpPage : public TrpComponent {
public:
    using TrpComponent::TrpComponent;
    std::string NameStem() const override { return "Page"; }
    void DefineProperties(TrpPropertyList& properties) override;
};

enum TrpPageOrientation { poPortrait, poLandscape };
enum TrpDuplexMode { dmNone, dmVertical, dmHorizontal };

class TrpReportPage : public TrpPage {
public:
    explicit TrpReportPage(TrpComponent* owner = nullptr);

    TrpPageOrientation Orientation() const { return orientation_; }
    // Swaps the paper's width and height and turns the margins with the paper.
    void SetOrientation(TrpPageOrientation orientation);
    double PaperWidth() const { return paperWidth_; }
    double PaperHeight() const { return paperHeight_; }
    // Either makes the paper a custom size (code 256).
    void SetPaperWidth(double mm);
    void SetPaperHeight(double mm);
    int PaperSize() const { return paperSize_; }
    // A code of the paper table takes its size (turned for landscape); other codes keep the size.
    void SetPaperSize(int code);
    int Columns() const { return columns_; }
    // More than 0 divides the printable width into equal columns.
    void SetColumns(int columns);

    double LeftMargin = 0, RightMargin = 0, TopMargin = 0, BottomMargin = 0; // mm
    bool MirrorMargins = false;
    double ColumnWidth = 0;              // mm
    std::vector<double> ColumnPositions; // mm
    int Bin = 7;                         // automatic paper source
    int BinOtherPages = 7;
    platform::TColor Color = platform::clNone;
    TrpFrame Frame;
    std::string DataSetName;
    TrpDuplexMode Duplex = dmNone;
    bool LargeDesignHeight = false;
    std::string OutlineText;
    bool PrintIfEmpty = true;
    bool PrintOnPreviousPage = false;
    bool TitleBeforeHeader = true;
    std::vector<std::string> HGuides, VGuides;
    std::string OnAfterPrint, OnBeforePrint, OnManualBuild; // script procedures

    // The printable area in report units.
    double PrintableWidth() const;
    double PrintableHeight() const;

    const char* ClassName() const override { return "TrpReportPage"; }
    void DefineProperties(TrpPropertyList& properties) override;

protected:
    double arrangeWidth() const override { return PrintableWidth(); }

private:
    void updateSize();

    TrpPageOrientation orientation_ = poPortrait;
    double paperWidth_ = 210;
    double paperHeight_ = 297;
    int paperSize_ = 9;
    int columns_ = 0;
};

// A page that is a dialog window; a definition may hold one, this program's does not.
class TrpDialogPage : public TrpPage {
public:
    using TrpPage::TrpPage;
    const char* ClassName() const override { return "TrpDialogPage"; }
};

} // namespace report
