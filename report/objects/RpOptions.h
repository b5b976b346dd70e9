// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The report's four option groups. Each Clear resets what a report's Clear sets back; the rest
// keeps its value.
#include "report/common/RpPersistent.h"
#include "report/expressions/RpVariant.h"

#include <string>
#include <vector>

namespace report {

class TrpEngineOptions : public TrpPersistent {
public:
    bool ConvertNulls = true;
    bool DoublePass = false;
    int MaxMemSize = 10000000; // megabytes; only with UseFileCache
    bool PrintIfEmpty = true;
    bool SilentMode = false;
    std::string TempDir;
    bool UseFileCache = false;

    void Clear();
    const char* ClassName() const override { return "TrpEngineOptions"; }
    void DefineProperties(TrpPropertyList& properties) override;
};

enum TrpPreviewButton {
    pbPrint,
    pbLoad,
    pbSave,
    pbExport,
    pbZoom,
    pbFind,
    pbOutline,
    pbPageSetup,
    pbTools,
    pbEdit,
    pbNavigator
};
using TrpPreviewButtons = int;
enum TrpZoomMode { zmDefault, zmWholePage, zmPageWidth, zmManyPages };

class TrpPreviewOptions : public TrpPersistent {
public:
    bool AllowEdit = true;
    TrpPreviewButtons Buttons = (1 << 11) - 1; // all eleven
    bool DoubleBuffered = true;
    bool Maximized = true;
    bool MDIChild = false;
    bool Modal = true;
    bool OutlineVisible = false;
    int OutlineWidth = 120;
    bool ShowCaptions = false;
    double Zoom = 1.0;
    TrpZoomMode ZoomMode = zmDefault;

    void Clear();
    const char* ClassName() const override { return "TrpPreviewOptions"; }
    void DefineProperties(TrpPropertyList& properties) override;
};

enum TrpPrintPages { ppAll, ppOdd, ppEven };

class TrpPrintOptions : public TrpPersistent {
public:
    TrpPrintOptions();
    int Copies = 1;
    bool Collate = true;
    std::string PageNumbers;
    std::string Printer; // "Alapértelmezett" at first: names no printer
    TrpPrintPages PrintPages = ppAll;
    bool ShowDialog = true;

    void Clear();
    const char* ClassName() const override { return "TrpPrintOptions"; }
    void DefineProperties(TrpPropertyList& properties) override;
};

class TrpReportOptions : public TrpPersistent {
public:
    TrpReportOptions();
    std::string Author;
    bool Compressed = false;
    TDateTime CreateDate = 0;
    TDateTime LastChange = 0;
    std::vector<std::string> Description;
    std::string InitString, Name, Password, Picture;
    std::string VersionBuild, VersionMajor, VersionMinor, VersionRelease;

    // Everything empty; both dates the current moment.
    void Clear();
    const char* ClassName() const override { return "TrpReportOptions"; }
    void DefineProperties(TrpPropertyList& properties) override;
};

} // namespace report
