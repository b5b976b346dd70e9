// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/objects/RpPage.h"

#include "report/common/RpProperties.h"
#include "report/objects/RpPaperSizes.h"

#include <array>
#include <utility>

namespace report {
namespace {

constexpr std::array<std::string_view, 2> orientationNames{"poPortrait", "poLandscape"};
constexpr std::array<std::string_view, 3> duplexNames{"dmNone", "dmVertical", "dmHorizontal"};

} // namespace

void TrpPage::DefineProperties(TrpPropertyList& properties) {
    TrpComponent::DefineProperties(properties);
    defineFontProperties(properties);
    properties.boolean("Visible", Visible, true);
}

TrpReportPage::TrpReportPage(TrpComponent* owner) : TrpPage(owner) {
    updateSize();
}

void TrpReportPage::updateSize() {
    Width = rpRound(paperWidth_ * fr01cm);
    Height = rpRound(paperHeight_ * fr01cm);
}

void TrpReportPage::SetOrientation(TrpPageOrientation orientation) {
    if (orientation == orientation_)
        return;
    orientation_ = orientation;
    std::swap(paperWidth_, paperHeight_);
    const double l = LeftMargin, r = RightMargin, t = TopMargin, b = BottomMargin;
    if (orientation == poLandscape) {
        LeftMargin = t, RightMargin = b, TopMargin = r, BottomMargin = l;
    } else {
        LeftMargin = b, RightMargin = t, TopMargin = l, BottomMargin = r;
    }
    updateSize();
}

void TrpReportPage::SetPaperWidth(double mm) {
    paperWidth_ = mm;
    paperSize_ = customPaperSize;
    updateSize();
}

void TrpReportPage::SetPaperHeight(double mm) {
    paperHeight_ = mm;
    paperSize_ = customPaperSize;
    updateSize();
}

void TrpReportPage::SetPaperSize(int code) {
    paperSize_ = code;
    double w = 0, h = 0;
    if (code < customPaperSize && PaperSizeOf(code, w, h)) {
        if (orientation_ == poLandscape)
            std::swap(w, h);
        paperWidth_ = w;
        paperHeight_ = h;
    }
    updateSize();
}

void TrpReportPage::SetColumns(int columns) {
    columns_ = columns;
    if (columns <= 0)
        return;
    ColumnWidth = (paperWidth_ - LeftMargin - RightMargin) / columns;
    ColumnPositions.clear();
    for (int i = 0; i < columns; ++i)
        ColumnPositions.push_back(i * ColumnWidth);
}

double TrpReportPage::PrintableWidth() const {
    return (paperWidth_ - LeftMargin - RightMargin) * fr01cm;
}

double TrpReportPage::PrintableHeight() const {
    return (paperHeight_ - TopMargin - BottomMargin) * fr01cm;
}

void TrpReportPage::DefineProperties(TrpPropertyList& properties) {
    TrpPage::DefineProperties(properties);
    // Orientation first and the size code after the paper's width and height: reading them in
    // this order leaves the stored code and size.
    properties.value(
        "Orientation", [this] { return enumText(orientation_, orientationNames); },
        [this](const std::string& t) {
            SetOrientation(static_cast<TrpPageOrientation>(textToEnum(t, orientationNames)));
        },
        "poPortrait");
    properties.value(
        "PaperWidth", [this] { return floatText(paperWidth_); },
        [this](const std::string& t) { SetPaperWidth(textToFloat(t)); }, "");
    properties.value(
        "PaperHeight", [this] { return floatText(paperHeight_); },
        [this](const std::string& t) { SetPaperHeight(textToFloat(t)); }, "");
    properties.value(
        "PaperSize", [this] { return std::to_string(paperSize_); },
        [this](const std::string& t) { SetPaperSize(textToInt(t)); }, "");
    properties.number("LeftMargin", LeftMargin, 0);
    properties.number("RightMargin", RightMargin, 0);
    properties.number("TopMargin", TopMargin, 0);
    properties.number("BottomMargin", BottomMargin, 0);
    properties.boolean("MirrorMargins", MirrorMargins, false);
    properties.value(
        "Columns", [this] { return std::to_string(columns_); },
        [this](const std::string& t) { SetColumns(textToInt(t)); }, "0");
    properties.number("ColumnWidth", ColumnWidth, 0);
    properties.value(
        "ColumnPositions",
        [this] {
            std::vector<std::string> lines;
            for (double p : ColumnPositions)
                lines.push_back(floatText(p));
            return linesText(lines);
        },
        [this](const std::string& t) {
            ColumnPositions.clear();
            for (const std::string& line : textToLines(t))
                ColumnPositions.push_back(textToFloat(line));
        },
        "");
    properties.integer("Bin", Bin, 7);
    properties.integer("BinOtherPages", BinOtherPages, 7);
    properties.color("Color", Color, platform::clNone);
    properties.object("Frame", Frame);
    properties.string("DataSetName", DataSetName);
    properties.enumeration("Duplex", Duplex, duplexNames, dmNone);
    properties.boolean("LargeDesignHeight", LargeDesignHeight, false);
    properties.string("OutlineText", OutlineText);
    properties.boolean("PrintIfEmpty", PrintIfEmpty, true);
    properties.boolean("PrintOnPreviousPage", PrintOnPreviousPage, false);
    properties.boolean("TitleBeforeHeader", TitleBeforeHeader, true);
    properties.lines("HGuides", HGuides);
    properties.lines("VGuides", VGuides);
    properties.string("OnAfterPrint", OnAfterPrint);
    properties.string("OnBeforePrint", OnBeforePrint);
    properties.string("OnManualBuild", OnManualBuild);
}

} // namespace report
