// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bands: horizontal strips of objects. This program's template has none; the classes exist so
// that a definition naming them can be read, and the engine wraps the objects lying directly on
// a page in a null band.
#include "report/objects/RpComponent.h"

namespace report {

class TrpBand : public TrpReportComponent {
public:
    using TrpReportComponent::TrpReportComponent;

    bool AllowSplit = false;
    bool KeepTogether = false;
    bool PrintOnFirstPage = true;
    bool PrintOnLastPage = true;
    bool StartNewPage = false;
    bool Stretched = false;
    std::string DataSetName;
    std::string OnAfterCalcHeight, OnAfterPrint, OnBeforePrint; // script procedures

    void DefineProperties(TrpPropertyList& properties) override;

protected:
    bool diffAlwaysWritesTop() const override { return true; }
};

// A band without layout of its own.
class TrpNullBand : public TrpBand {
public:
    using TrpBand::TrpBand;
    const char* ClassName() const override { return "TrpNullBand"; }
};

class TrpDataBand : public TrpBand {
public:
    using TrpBand::TrpBand;
};

#define KF_RP_BAND(Class, Base)                                                                    \
    class Class : public Base {                                                                    \
    public:                                                                                        \
        using Base::Base;                                                                          \
        const char* ClassName() const override { return #Class; }                                  \
    };

KF_RP_BAND(TrpReportTitle, TrpBand)
KF_RP_BAND(TrpReportSummary, TrpBand)
KF_RP_BAND(TrpPageHeader, TrpBand)
KF_RP_BAND(TrpPageFooter, TrpBand)
KF_RP_BAND(TrpColumnHeader, TrpBand)
KF_RP_BAND(TrpColumnFooter, TrpBand)
KF_RP_BAND(TrpHeader, TrpBand)
KF_RP_BAND(TrpFooter, TrpBand)
KF_RP_BAND(TrpGroupHeader, TrpBand)
KF_RP_BAND(TrpGroupFooter, TrpBand)
KF_RP_BAND(TrpChild, TrpBand)
KF_RP_BAND(TrpOverlay, TrpBand)
KF_RP_BAND(TrpMasterData, TrpDataBand)
KF_RP_BAND(TrpDetailData, TrpDataBand)
KF_RP_BAND(TrpSubdetailData, TrpDataBand)
KF_RP_BAND(TrpDataBand4, TrpDataBand)
KF_RP_BAND(TrpDataBand5, TrpDataBand)
KF_RP_BAND(TrpDataBand6, TrpDataBand)

#undef KF_RP_BAND

} // namespace report
