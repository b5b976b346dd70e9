// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lines: a view whose frame draws one side, or a diagonal from corner to corner.
#include "report/objects/RpView.h"

namespace report {

class TrpCustomLineView : public TrpStretcheable {
public:
    explicit TrpCustomLineView(TrpComponent* owner = nullptr);

    bool Diagonal = false;

    // A straight line first takes its shape from its size: Width <= Height makes it vertical
    // (Width 0, left side), otherwise horizontal (Height 0, top side), whatever Frame.Typ said.
    void Draw(platform::Canvas& canvas, double scaleX, double scaleY, double offsetX,
              double offsetY) override;

    const char* ClassName() const override { return "TrpCustomLineView"; }
    void DefineProperties(TrpPropertyList& properties) override;
};

class TrpLineView : public TrpCustomLineView {
public:
    using TrpCustomLineView::TrpCustomLineView;
    const char* ClassName() const override { return "TrpLineView"; }
};

} // namespace report
