// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/common/RpFont.h"

#include "report/common/RpProperties.h"

#include <cmath>
#include <cstdlib>

namespace report {

TrpFont& TrpFont::operator=(const TrpFont& other) {
    Name = other.Name;
    Size = other.Size;
    Color = other.Color;
    Style = other.Style;
    Charset = other.Charset;
    return *this;
}

int TrpFont::Height() const {
    return -static_cast<int>(std::lround(Size * 96.0 / 72.0));
}

void TrpFont::SetHeight(int height) {
    Size = static_cast<int>(std::lround(std::abs(height) * 72.0 / 96.0));
}

platform::CanvasFont TrpFont::canvasFont(int pixelHeight) const {
    return {Name, pixelHeight, Style, Charset, Color, 0};
}

bool TrpFont::sameValues(const TrpFont& other) const {
    return Name == other.Name && Size == other.Size && Color == other.Color &&
           Style == other.Style && Charset == other.Charset;
}

void TrpFont::DefineProperties(TrpPropertyList& properties) {
    // Every setter reports a real change, so that the owner can drop its parent-font link.
    const auto changing = [this](auto apply) {
        const TrpFont before = *this;
        apply();
        if (!sameValues(before) && OnChange)
            OnChange();
    };
    properties.value(
        "Charset", [this] { return std::to_string(Charset); },
        [this, changing](const std::string& t) { changing([&] { Charset = textToInt(t); }); }, "1");
    properties.value(
        "Color", [this] { return colorText(Color); },
        [this, changing](const std::string& t) { changing([&] { Color = textToColor(t); }); }, "0");
    properties.value(
        "Height", [this] { return std::to_string(Height()); },
        [this, changing](const std::string& t) { changing([&] { SetHeight(textToInt(t)); }); },
        "-13");
    properties.value(
        "Name", [this] { return Name; },
        [this, changing](const std::string& t) { changing([&] { Name = t; }); }, "Arial");
    TrpProperty size;
    size.name = "Size";
    size.get = [this] { return std::to_string(Size); };
    size.set = [this, changing](const std::string& t) { changing([&] { Size = textToInt(t); }); };
    size.stored = [] { return false; }; // the height says it
    properties.add(std::move(size));
    properties.value(
        "Style", [this] { return setText(Style); },
        [this, changing](const std::string& t) {
            changing([&] { Style = textToSet(t, TrpFontStyleNames); });
        },
        "0");
}

} // namespace report
