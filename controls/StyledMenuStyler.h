// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The style object of the styled main menu. Its defaults are the whole visible design: a soft
// lavender-grey gradient across the bar, a light-yellow to light-orange highlight under the item
// the pointer hovers over, and a lavender-grey one under the item pressed or chosen by keyboard.
#include "platform/Color.h"

#include <QFont>
#include <QObject>

namespace controls {

enum TGradientDirection { gdHorizontal, gdVertical };

// The menu bar and its top-level items. Colours are 0x00BBGGRR; an end colour of clNone means a
// flat fill in the start colour.
struct TStyledRootItem {
    platform::TColor Color = 15062999;   // (215, 215, 229)
    platform::TColor ColorTo = 16249586; // (242, 242, 247)
    TGradientDirection GradientDirection = gdHorizontal;

    platform::TColor HoverColor = 13629183;   // (255, 246, 207)
    platform::TColor HoverColorTo = 10344703; // (255, 216, 157)
    TGradientDirection HoverGradientDirection = gdVertical;
    platform::TColor HoverBorderColor = 7293771; // (75, 75, 111)
    platform::TColor HoverTextColor = platform::clWindowText;

    platform::TColor SelectedColor = 15919336;   // (232, 232, 242)
    platform::TColor SelectedColorTo = 13482169; // (185, 184, 205)
    TGradientDirection SelectedGradientDirection = gdVertical;
    platform::TColor SelectedBorderColor = 9731196; // (124, 124, 148)
    platform::TColor SelectedTextColor = platform::clWindowText;

    // The system menu font, or Font when UseSystemFont is false; FontColor is the caption colour
    // of an item that is neither hovered nor selected.
    bool UseSystemFont = true;
    QFont Font;
    platform::TColor FontColor = platform::clWindowText;

    bool operator==(const TStyledRootItem&) const = default;
};

class TStyledMenuStyler : public QObject {
    Q_OBJECT

public:
    explicit TStyledMenuStyler(QObject* owner = nullptr);

    const TStyledRootItem& RootItem() const { return rootItem_; }
    void SetRootItem(const TStyledRootItem& rootItem);

signals:
    void changed();

private:
    TStyledRootItem rootItem_;
};

} // namespace controls
