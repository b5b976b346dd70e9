// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/objects/RpOptions.h"

#include "report/common/RpProperties.h"
#include "report/common/RpResources.h"

#include <array>

namespace report {
namespace {

constexpr std::array<std::string_view, 11> buttonNames{
    "pbPrint",   "pbLoad",      "pbSave",  "pbExport", "pbZoom",     "pbFind",
    "pbOutline", "pbPageSetup", "pbTools", "pbEdit",   "pbNavigator"};
constexpr std::array<std::string_view, 4> zoomModeNames{"zmDefault", "zmWholePage", "zmPageWidth",
                                                        "zmManyPages"};
constexpr std::array<std::string_view, 3> printPagesNames{"ppAll", "ppOdd", "ppEven"};

} // namespace

void TrpEngineOptions::Clear() {
    ConvertNulls = true;
    DoublePass = false;
}

void TrpEngineOptions::DefineProperties(TrpPropertyList& properties) {
    properties.boolean("ConvertNulls", ConvertNulls, true);
    properties.boolean("DoublePass", DoublePass, false);
    // The writer compares with 10, so the real default 10 000 000 is written out.
    properties.integer("MaxMemSize", MaxMemSize, 10);
    properties.boolean("PrintIfEmpty", PrintIfEmpty, true);
    properties.boolean("SilentMode", SilentMode, false);
    properties.string("TempDir", TempDir);
    properties.boolean("UseFileCache", UseFileCache, false);
}

void TrpPreviewOptions::Clear() {
    OutlineVisible = false;
    OutlineWidth = 120;
}

void TrpPreviewOptions::DefineProperties(TrpPropertyList& properties) {
    properties.boolean("AllowEdit", AllowEdit, true);
    properties.set("Buttons", Buttons, buttonNames, (1 << 11) - 1);
    properties.boolean("DoubleBuffered", DoubleBuffered, true);
    properties.boolean("Maximized", Maximized, true);
    properties.boolean("MDIChild", MDIChild, false);
    properties.boolean("Modal", Modal, true);
    properties.boolean("OutlineVisible", OutlineVisible, false);
    properties.integer("OutlineWidth", OutlineWidth, 120);
    properties.boolean("ShowCaptions", ShowCaptions, false);
    properties.number("Zoom", Zoom, 1.0);
    properties.enumeration("ZoomMode", ZoomMode, zoomModeNames, zmDefault);
}

TrpPrintOptions::TrpPrintOptions() {
    Clear();
}

void TrpPrintOptions::Clear() {
    Copies = 1;
    Collate = true;
    PageNumbers.clear();
    Printer = rpResource("prDefault");
    PrintPages = ppAll;
    ShowDialog = true;
}

void TrpPrintOptions::DefineProperties(TrpPropertyList& properties) {
    properties.integer("Copies", Copies, 1);
    properties.boolean("Collate", Collate, true);
    properties.string("PageNumbers", PageNumbers);
    properties.string("Printer", Printer, rpResource("prDefault"));
    properties.enumeration("PrintPages", PrintPages, printPagesNames, ppAll);
    properties.boolean("ShowDialog", ShowDialog, true);
}

TrpReportOptions::TrpReportOptions() {
    Clear();
}

void TrpReportOptions::Clear() {
    Author.clear();
    Compressed = false;
    CreateDate = LastChange = toDateTime(QDateTime::currentDateTime());
    Description.clear();
    InitString.clear();
    Name.clear();
    Password.clear();
    Picture.clear();
    VersionBuild.clear();
    VersionMajor.clear();
    VersionMinor.clear();
    VersionRelease.clear();
}

void TrpReportOptions::DefineProperties(TrpPropertyList& properties) {
    properties.string("Author", Author);
    properties.boolean("Compressed", Compressed, false);
    properties.dateTime("CreateDate", CreateDate);
    properties.lines("Description", Description);
    properties.string("InitString", InitString);
    properties.dateTime("LastChange", LastChange);
    properties.string("Name", Name);
    properties.string("Password", Password);
    properties.string("Picture", Picture);
    properties.string("VersionBuild", VersionBuild);
    properties.string("VersionMajor", VersionMajor);
    properties.string("VersionMinor", VersionMinor);
    properties.string("VersionRelease", VersionRelease);
}

} // namespace report
