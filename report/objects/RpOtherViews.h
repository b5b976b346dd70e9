// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Object kinds that definitions may name but this program never uses: shapes, system texts and
// sub-reports. They keep what a definition gives them and draw as plain views.
#include "report/objects/RpMemoView.h"

namespace report {

class TrpShapeView : public TrpView {
public:
    using TrpView::TrpView;
    int ShapeType = 0;
    const char* ClassName() const override { return "TrpShapeView"; }
    void DefineProperties(TrpPropertyList& properties) override;

protected:
    bool diffStoresChangesOnly() const override { return true; }
};

class TrpSysMemoView : public TrpCustomMemoView {
public:
    using TrpCustomMemoView::TrpCustomMemoView;
    const char* ClassName() const override { return "TrpSysMemoView"; }
};

class TrpSubreport : public TrpView {
public:
    using TrpView::TrpView;
    std::string SubPage; // name of the page the sub-report runs
    const char* ClassName() const override { return "TrpSubreport"; }
    void DefineProperties(TrpPropertyList& properties) override;
};

} // namespace report
