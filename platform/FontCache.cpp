// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FontCache.h"

#include "platform/Cp1250.h"
#include "platform/EmboldenedFont.h"

#include <QFont>
#include <QFontDatabase>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>
#include <tuple>

namespace platform {
namespace {

using FontKey = std::tuple<std::string, int, bool, bool>;

QFont qtFontFor(const CanvasFont& font) {
    QFont f(toUnicode(font.name));
    f.setPixelSize(std::max(1, font.pixelHeight));
    f.setBold(font.style & fontBold);
    f.setItalic(font.style & fontItalic);
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

struct CachedFont {
    QRawFont raw;
    bool thinBold;
    std::optional<QRawFont> ink; // made when first drawn with: asking for the face needs none
};

// The stems a thin bold face lacks, as a share of the em: Tahoma's stems are 0.09 em, and this
// adds about 0.8 times that to every stem (a real bold face doubles it).
constexpr double kBoldStrength = 0.075;

// Wine's Tahoma Bold has the bold advances but the regular face's stems; its name table says
// whose it is.
bool isThinBold(const QRawFont& raw) {
    static const QByteArray wine("\0W\0i\0n\0e", 8); // UTF-16BE, as the name table holds it
    return raw.weight() >= QFont::Bold && raw.familyName() == QLatin1String("Tahoma") &&
           raw.fontTable("name").contains(wine);
}

// The face a font name, weight and slant resolve to, found once: every size of it is the same
// face at another scale, and each search through the font configuration costs as much as
// laying out a page of text.
struct Face {
    QRawFont raw;
    bool thinBold;
};

const Face& faceFor(const CanvasFont& font) {
    static auto& faces = *new std::map<std::tuple<std::string, bool, bool>, Face>;
    const std::tuple key{font.name, (font.style & fontBold) != 0, (font.style & fontItalic) != 0};
    auto it = faces.find(key);
    if (it == faces.end()) {
        if (faces.size() >= 64)
            faces.clear();
        QRawFont raw = QRawFont::fromFont(qtFontFor(font));
        const bool thin = isThinBold(raw);
        it = faces.emplace(key, Face{std::move(raw), thin}).first;
    }
    return it->second;
}

// One widened face for every size, made once. It is registered with the font database, as a
// font from a file would be: QPdfWriter embeds only such fonts and draws any other text as
// outlines without a text layer.
QRawFont emboldenedFor(const QRawFont& face, const CanvasFont& font) {
    static auto& families = *new std::map<QString, QString>; // never destroyed, as below
    const QString key = face.familyName() + QLatin1Char('/') + face.styleName();
    auto it = families.find(key);
    if (it == families.end()) {
        const QString family = face.familyName() + QStringLiteral(" KF2718");
        // Text is kept in code page 1250, so its characters are all that is ever drawn.
        std::string every;
        for (int c = 0x20; c < 0x100; ++c)
            every += static_cast<char>(c);
        QList<quint32> drawn = face.glyphIndexesForString(toUnicode(every));
        drawn.push_back(0); // what stands for a character the face lacks
        const QByteArray data = emboldenedTrueType(face, kBoldStrength, family, drawn);
        const bool added = !data.isEmpty() && QFontDatabase::addApplicationFontFromData(data) >= 0;
        if (!added)
            qWarning("The bold face %s %s could not be widened; it is drawn as it is",
                     qPrintable(face.familyName()), qPrintable(face.styleName()));
        it = families.emplace(key, added ? family : QString()).first;
    }
    if (it->second.isEmpty())
        return face;
    CanvasFont widened = font;
    widened.name = toCp1250(it->second);
    QRawFont ink = faceFor(widened).raw;
    ink.setPixelSize(face.pixelSize());
    return ink.familyName() == it->second ? ink : face;
}

CachedFont& cachedFont(const CanvasFont& font) {
    // A page uses a handful of fonts; the bound only keeps a long session from growing the cache.
    // Never destroyed: raw fonts must not outlive the application object at exit.
    static auto& cache = *new std::map<FontKey, CachedFont>;
    const FontKey key{font.name, font.pixelHeight, (font.style & fontBold) != 0,
                      (font.style & fontItalic) != 0};
    auto it = cache.find(key);
    if (it == cache.end()) {
        if (cache.size() >= 256)
            cache.clear();
        const Face& face = faceFor(font);
        QRawFont raw = face.raw;
        raw.setPixelSize(std::max(1, font.pixelHeight));
        it = cache.emplace(key, CachedFont{std::move(raw), face.thinBold, std::nullopt}).first;
    }
    return it->second;
}

} // namespace

const QRawFont& rawFontFor(const CanvasFont& font) {
    return cachedFont(font).raw;
}

const QRawFont& inkFontFor(const CanvasFont& font) {
    CachedFont& cached = cachedFont(font);
    if (!cached.ink)
        cached.ink = cached.thinBold ? emboldenedFor(cached.raw, font) : cached.raw;
    return *cached.ink;
}

bool hasThinBoldStems(const CanvasFont& font) {
    return cachedFont(font).thinBold;
}

GlyphLine glyphLineFor(const CanvasFont& font, std::string_view cp1250) {
    const QRawFont& raw = rawFontFor(font);
    GlyphLine line;
    line.glyphs = raw.glyphIndexesForString(toUnicode(cp1250));
    const QList<QPointF> advances =
        raw.advancesForGlyphIndexes(line.glyphs, QRawFont::UseDesignMetrics);
    line.advances.reserve(advances.size());
    for (const QPointF& a : advances)
        line.advances.push_back(a.x());
    return line;
}

std::vector<int> cumulativeExtents(const GlyphLine& line) {
    std::vector<int> extents;
    extents.reserve(static_cast<size_t>(line.advances.size()));
    qreal sum = 0;
    for (qreal a : line.advances) {
        sum += a;
        extents.push_back(static_cast<int>(std::nearbyint(sum)));
    }
    return extents;
}

FontMetrics metricsFor(const CanvasFont& font) {
    const QRawFont& raw = rawFontFor(font);
    // The character cell is the font's Windows ascent and descent (OS/2 usWinAscent and
    // usWinDescent), as the layout rules assume. Qt prefers the typographic ascent where a font
    // asks for it, which for Tahoma cuts the accents of capitals off at the top of the cell.
    const QByteArray os2 = raw.fontTable("OS/2");
    if (os2.size() >= 78 && raw.unitsPerEm() > 0) {
        const auto word = [&](int at) {
            return static_cast<int>(static_cast<uint8_t>(os2[at]) << 8 |
                                    static_cast<uint8_t>(os2[at + 1]));
        };
        const qreal scale = raw.pixelSize() / raw.unitsPerEm();
        return {static_cast<int>(std::nearbyint(word(74) * scale)),
                static_cast<int>(std::nearbyint(word(76) * scale))};
    }
    return {static_cast<int>(std::nearbyint(raw.ascent())),
            static_cast<int>(std::nearbyint(raw.descent()))};
}

} // namespace platform
