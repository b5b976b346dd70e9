// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/UiCaption.h"

#include "platform/Cp1250.h"
#include "platform/FontCache.h"

#include <QPainter>

namespace controls {

void TUiFont::SetName(const std::string& name) {
    if (assign(name_, name))
        Changed();
}

void TUiFont::SetHeight(int pixels) {
    if (assign(height_, pixels))
        Changed();
}

void TUiFont::SetStyle(TFontStyles style) {
    if (assign(style_, style))
        Changed();
}

void TUiFont::SetCharset(int charset) {
    if (assign(charset_, charset))
        Changed();
}

void TUiFont::SetColor(platform::TColor color) {
    if (assign(color_, color))
        Changed();
}

QFont TUiFont::toQFont() const {
    QFont font(platform::toUnicode(name_));
    font.setPixelSize(std::max(1, height_));
    font.setBold(style_ & fsBold);
    font.setItalic(style_ & fsItalic);
    font.setUnderline(style_ & fsUnderline);
    font.setStrikeOut(style_ & fsStrikeOut);
    // The platform's text output does not kern.
    font.setKerning(false);
    return font;
}

TUiCaption::TUiCaption() {
    font_.SetOnChange([this] { Changed(); });
}

void TUiCaption::SetCaption(const std::string& caption) {
    if (assign(caption_, caption))
        Changed();
}

void TUiCaption::SetAlignment(TUiAlign alignment) {
    if (assign(alignment_, alignment))
        Changed();
}

void TUiCaption::DrawCaptionText(QPainter& canvas, const QRect& rect) const {
    if (caption_.empty() || rect.isEmpty())
        return;
    static constexpr Qt::Alignment placement[] = {
        Qt::AlignTop | Qt::AlignLeft,        Qt::AlignTop | Qt::AlignHCenter,
        Qt::AlignTop | Qt::AlignRight,       Qt::AlignVCenter | Qt::AlignLeft,
        Qt::AlignVCenter | Qt::AlignHCenter, Qt::AlignVCenter | Qt::AlignRight,
        Qt::AlignBottom | Qt::AlignLeft,     Qt::AlignBottom | Qt::AlignHCenter,
        Qt::AlignBottom | Qt::AlignRight,
    };
    canvas.save();
    canvas.setClipRect(rect, Qt::IntersectClip);
    canvas.setFont(font_.toQFont());
    canvas.setPen(platform::toQColor(font_.Color()));
    canvas.setBrush(Qt::NoBrush);
    const int flags =
        static_cast<int>(placement[alignment_]) | Qt::TextSingleLine | Qt::TextExpandTabs;
    const QString text = platform::toUnicode(caption_);
    canvas.drawText(rect, flags, text);
    // A bold face with the regular face's stems (Wine's Tahoma Bold) is struck once more a pixel
    // to the right, as the platform's own synthesized bold does, so that the caption reads bold.
    if ((font_.Style() & fsBold) &&
        platform::hasThinBoldStems({font_.Name(), font_.Height(), platform::fontBold}))
        canvas.drawText(rect.translated(1, 0), flags, text);
    canvas.restore();
}

} // namespace controls
