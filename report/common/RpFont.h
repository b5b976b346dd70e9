// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The font of a report object: name, size in whole points, colour, style set and character set.
// Definitions store it by its height in pixels at 96 dpi (negative: the character height).
#include "report/common/RpPersistent.h"
#include "report/common/RpTypes.h"

#include "platform/Canvas.h"

#include <functional>
#include <string>

namespace report {

class TrpFont : public TrpPersistent {
public:
    TrpFont() = default;
    TrpFont(std::string name, int size, platform::TColor color = 0, TrpFontStyles style = 0)
        : Name(std::move(name))
        , Size(size)
        , Color(color)
        , Style(style) {}
    TrpFont(const TrpFont& other) { *this = other; }
    // Copies the values only; the change handler stays with its owner.
    TrpFont& operator=(const TrpFont& other);

    std::string Name = "Arial";
    int Size = 10;
    platform::TColor Color = 0;
    TrpFontStyles Style = 0;
    int Charset = 1; // DEFAULT_CHARSET

    // -Round(Size * 96 / 72), halves away from zero.
    int Height() const;
    // Size := Round(|Height| * 72 / 96), halves away from zero (-15 gives 11, -8 gives 6).
    void SetHeight(int height);

    // The canvas font at a pixel height (the character height on the device).
    platform::CanvasFont canvasFont(int pixelHeight) const;

    // Called after a property read from a definition changed the font.
    std::function<void()> OnChange;

    const char* ClassName() const override { return "TFont"; }
    void DefineProperties(TrpPropertyList& properties) override;

    bool sameValues(const TrpFont& other) const;
};

} // namespace report
