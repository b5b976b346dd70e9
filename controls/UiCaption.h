// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The caption of a gradient caption control: one line of text with its font and placement.
#include "controls/UiPersistent.h"
#include "platform/Color.h"

#include <QFont>
#include <string>

class QPainter;
class QRect;

namespace controls {

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned; // a set of TFontStyle

constexpr int DEFAULT_CHARSET = 1;
constexpr int EASTEUROPE_CHARSET = 238;

// A font as the program describes it: face, character height in pixels, style, character set and
// colour. The character set only matters to a single-byte font system; text reaches Qt as Unicode.
class TUiFont : public TUiPersistent {
public:
    std::string Name() const { return name_; }
    void SetName(const std::string& name);
    int Height() const { return height_; }
    void SetHeight(int pixels);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    int Charset() const { return charset_; }
    void SetCharset(int charset);
    platform::TColor Color() const { return color_; }
    void SetColor(platform::TColor color);

    QFont toQFont() const;

private:
    // The platform's default font.
    std::string name_ = "MS Sans Serif";
    int height_ = 11;
    TFontStyles style_ = 0;
    int charset_ = DEFAULT_CHARSET;
    platform::TColor color_ = platform::clWindowText;
};

enum TUiAlign {
    agTopLeft,
    agTopCenter,
    agTopRight,
    agCenterLeft,
    agCenter,
    agCenterRight,
    agBottomLeft,
    agBottomCenter,
    agBottomRight
};

class TUiCaption : public TUiPersistent {
public:
    TUiCaption();

    // Code page 1250 text.
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    TUiAlign Alignment() const { return alignment_; }
    void SetAlignment(TUiAlign alignment);
    TUiFont& Font() { return font_; }
    const TUiFont& Font() const { return font_; }

    // The caption once, in the font's colour with no background: a single line, tabs expanded,
    // an ampersand printed as it is, placed by Alignment and clipped to rect. Leading blanks are
    // kept; they are all the indentation a caption has.
    void DrawCaptionText(QPainter& canvas, const QRect& rect) const;

private:
    std::string caption_;
    TUiAlign alignment_ = agCenter;
    TUiFont font_;
};

} // namespace controls
