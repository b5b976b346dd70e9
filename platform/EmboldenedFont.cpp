// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/EmboldenedFont.h"

#include <QList>
#include <QRawFont>
#include <QString>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

#include <ft2build.h>
#include FT_OUTLINE_H

namespace platform {
namespace {

// Big-endian reads and writes, bounds-checked: the tables come from a font file, whatever it holds.
class Reader {
public:
    explicit Reader(const QByteArray& data) : data_(data) {}
    bool has(qsizetype at, qsizetype size) const {
        return at >= 0 && size >= 0 && at + size <= data_.size();
    }
    uint16_t u16(qsizetype at) const { return static_cast<uint16_t>(byte(at) << 8 | byte(at + 1)); }
    int16_t s16(qsizetype at) const { return static_cast<int16_t>(u16(at)); }
    uint32_t u32(qsizetype at) const { return uint32_t(u16(at)) << 16 | u16(at + 2); }
    uint8_t byte(qsizetype at) const { return static_cast<uint8_t>(data_[at]); }

private:
    const QByteArray& data_;
};

void put16(QByteArray& out, int value) {
    out.append(static_cast<char>(value >> 8 & 0xFF));
    out.append(static_cast<char>(value & 0xFF));
}

void put32(QByteArray& out, uint32_t value) {
    put16(out, static_cast<int>(value >> 16));
    put16(out, static_cast<int>(value & 0xFFFF));
}

void set16(QByteArray& data, qsizetype at, int value) {
    data[at] = static_cast<char>(value >> 8 & 0xFF);
    data[at + 1] = static_cast<char>(value & 0xFF);
}

void set32(QByteArray& data, qsizetype at, uint32_t value) {
    set16(data, at, static_cast<int>(value >> 16));
    set16(data, at + 2, static_cast<int>(value & 0xFFFF));
}

// Glyph flags of a simple glyph.
constexpr uint8_t kOnCurve = 0x01, kXShort = 0x02, kYShort = 0x04, kRepeat = 0x08,
                  kXSameOrPositive = 0x10, kYSameOrPositive = 0x20;
// Component flags of a composite glyph.
constexpr uint16_t kArgsAreWords = 0x0001, kHasScale = 0x0008, kMoreComponents = 0x0020,
                   kHasXYScale = 0x0040, kHasTwoByTwo = 0x0080, kHasInstructions = 0x0100;

struct SimpleGlyph {
    std::vector<uint16_t> endPoints;
    std::vector<FT_Vector> points;
    std::vector<char> tags; // FT_CURVE_TAG_ON or FT_CURVE_TAG_CONIC
};

std::optional<SimpleGlyph> decodeSimple(const QByteArray& glyf, qsizetype start, qsizetype end) {
    const QByteArray data = glyf.mid(start, end - start);
    const Reader in(data);
    const int contours = in.s16(0);
    qsizetype at = 10;
    if (!in.has(at, 2 * contours + 2))
        return std::nullopt;
    SimpleGlyph glyph;
    for (int c = 0; c < contours; ++c, at += 2) {
        glyph.endPoints.push_back(in.u16(at));
        if (c > 0 && glyph.endPoints[c] <= glyph.endPoints[c - 1])
            return std::nullopt;
    }
    const size_t count = contours ? glyph.endPoints.back() + 1u : 0;
    at += 2 + in.u16(at); // the instructions, which the new face leaves out
    std::vector<uint8_t> flags;
    flags.reserve(count);
    while (flags.size() < count) {
        if (!in.has(at, 1))
            return std::nullopt;
        const uint8_t flag = in.byte(at++);
        size_t times = 1;
        if (flag & kRepeat) {
            if (!in.has(at, 1))
                return std::nullopt;
            times += in.byte(at++);
        }
        flags.insert(flags.end(), std::min(times, count - flags.size()), flag);
    }
    glyph.points.resize(count);
    glyph.tags.resize(count);
    const auto readAxis = [&](uint8_t shortBit, uint8_t sameBit, FT_Pos FT_Vector::*axis) {
        FT_Pos value = 0;
        for (size_t i = 0; i < count; ++i) {
            if (flags[i] & shortBit) {
                if (!in.has(at, 1))
                    return false;
                const int delta = in.byte(at++);
                value += flags[i] & sameBit ? delta : -delta;
            } else if (!(flags[i] & sameBit)) {
                if (!in.has(at, 2))
                    return false;
                value += in.s16(at);
                at += 2;
            }
            glyph.points[i].*axis = value;
        }
        return true;
    };
    if (!readAxis(kXShort, kXSameOrPositive, &FT_Vector::x) ||
        !readAxis(kYShort, kYSameOrPositive, &FT_Vector::y))
        return std::nullopt;
    for (size_t i = 0; i < count; ++i)
        glyph.tags[i] = flags[i] & kOnCurve ? FT_CURVE_TAG_ON : FT_CURVE_TAG_CONIC;
    return glyph;
}

int clamp16(FT_Pos v) {
    return static_cast<int>(std::clamp<FT_Pos>(v, SHRT_MIN, SHRT_MAX));
}

// The glyph without instructions, its bounding box taken from its points.
QByteArray encodeSimple(const SimpleGlyph& glyph) {
    int xMin = SHRT_MAX, yMin = SHRT_MAX, xMax = SHRT_MIN, yMax = SHRT_MIN;
    for (const FT_Vector& p : glyph.points) {
        xMin = std::min(xMin, clamp16(p.x));
        xMax = std::max(xMax, clamp16(p.x));
        yMin = std::min(yMin, clamp16(p.y));
        yMax = std::max(yMax, clamp16(p.y));
    }
    if (glyph.points.empty())
        xMin = yMin = xMax = yMax = 0;
    QByteArray out;
    put16(out, static_cast<int>(glyph.endPoints.size()));
    for (int v : {xMin, yMin, xMax, yMax})
        put16(out, v);
    for (uint16_t end : glyph.endPoints)
        put16(out, end);
    put16(out, 0);
    QByteArray flags, xs, ys;
    int lastX = 0, lastY = 0;
    const auto axis = [](QByteArray& bytes, int delta, uint8_t shortBit, uint8_t sameBit) {
        if (delta == 0)
            return sameBit;
        if (delta >= -255 && delta <= 255) {
            bytes.append(static_cast<char>(std::abs(delta)));
            return static_cast<uint8_t>(shortBit | (delta > 0 ? sameBit : 0));
        }
        put16(bytes, delta);
        return uint8_t{0};
    };
    for (size_t i = 0; i < glyph.points.size(); ++i) {
        const int x = clamp16(glyph.points[i].x), y = clamp16(glyph.points[i].y);
        uint8_t flag = glyph.tags[i] == FT_CURVE_TAG_ON ? kOnCurve : 0;
        flag |= axis(xs, x - lastX, kXShort, kXSameOrPositive);
        flag |= axis(ys, y - lastY, kYShort, kYSameOrPositive);
        flags.append(static_cast<char>(flag));
        lastX = x;
        lastY = y;
    }
    return out + flags + xs + ys;
}

struct Composite {
    QByteArray glyph; // as it is, less its instructions
    std::vector<int> parts;
};

// A composite glyph's parts are widened on their own.
std::optional<Composite> readComposite(QByteArray glyph) {
    const Reader in(glyph);
    Composite composite;
    qsizetype at = 10;
    for (;;) {
        if (!in.has(at, 4))
            return std::nullopt;
        const uint16_t flags = in.u16(at);
        composite.parts.push_back(in.u16(at + 2));
        qsizetype next = at + 4 + (flags & kArgsAreWords ? 4 : 2);
        next += flags & kHasTwoByTwo ? 8 : flags & kHasXYScale ? 4 : flags & kHasScale ? 2 : 0;
        if (!in.has(at, next - at))
            return std::nullopt;
        if (!(flags & kMoreComponents)) {
            set16(glyph, at, flags & ~kHasInstructions);
            glyph.truncate(next);
            composite.glyph = std::move(glyph);
            return composite;
        }
        at = next;
    }
}

uint32_t checksum(const QByteArray& table) {
    QByteArray padded = table;
    padded.append((4 - padded.size() % 4) % 4, '\0');
    const Reader in(padded);
    uint32_t sum = 0;
    for (qsizetype at = 0; at < padded.size(); at += 4)
        sum += in.u32(at);
    return sum;
}

QByteArray assemble(const std::map<QByteArray, QByteArray>& tables) {
    const int count = static_cast<int>(tables.size());
    int power = 1, log2 = 0;
    while (power * 2 <= count) {
        power *= 2;
        ++log2;
    }
    QByteArray font;
    put32(font, 0x00010000);
    put16(font, count);
    put16(font, power * 16);
    put16(font, log2);
    put16(font, count * 16 - power * 16);
    uint32_t offset = 12 + 16 * count;
    QByteArray body;
    for (const auto& [tag, table] : tables) { // a std::map keeps the tags in the order required
        font.append(tag);
        put32(font, checksum(table));
        put32(font, offset + static_cast<uint32_t>(body.size()));
        put32(font, static_cast<uint32_t>(table.size()));
        body.append(table);
        body.append((4 - body.size() % 4) % 4, '\0');
    }
    font.append(body);
    return font;
}

// The face's names with the family, the full name and the PostScript name replaced, so that the
// widened face can stand beside the face it was made from.
std::optional<QByteArray> renamed(const QByteArray& name, const QString& family) {
    struct Record {
        int platform, encoding, language, id;
        QByteArray text;
    };
    const Reader in(name);
    if (name.size() < 6)
        return std::nullopt;
    const int count = in.u16(2), storage = in.u16(4);
    if (!in.has(6, 12 * count))
        return std::nullopt;
    std::vector<Record> records;
    for (int i = 0; i < count; ++i) {
        const qsizetype at = 6 + 12 * i;
        const int id = in.u16(at + 6);
        // Family, unique and full names, PostScript name, typographic and WWS families.
        if (id == 1 || id == 3 || id == 4 || id == 6 || (id >= 16 && id <= 22))
            continue;
        const qsizetype text = storage + in.u16(at + 10), length = in.u16(at + 8);
        if (!in.has(text, length))
            return std::nullopt;
        records.push_back({in.u16(at), in.u16(at + 2), in.u16(at + 4), id, name.mid(text, length)});
    }
    const auto utf16 = [](const QString& text) {
        QByteArray bytes;
        for (const QChar c : text)
            put16(bytes, c.unicode());
        return bytes;
    };
    QString postScript = family;
    postScript.remove(QLatin1Char(' '));
    for (const auto& [id, text] :
         {std::pair{1, family}, std::pair{4, family + QStringLiteral(" Bold")},
          std::pair{6, postScript + QStringLiteral("-Bold")}})
        records.push_back({3, 1, 0x409, id, utf16(text)});
    std::sort(records.begin(), records.end(), [](const Record& a, const Record& b) {
        return std::tie(a.platform, a.encoding, a.language, a.id) <
               std::tie(b.platform, b.encoding, b.language, b.id);
    });
    QByteArray table, strings;
    put16(table, 0);
    put16(table, static_cast<int>(records.size()));
    put16(table, 6 + 12 * static_cast<int>(records.size()));
    for (const Record& r : records) {
        for (int v : {r.platform, r.encoding, r.language, r.id, static_cast<int>(r.text.size()),
                      static_cast<int>(strings.size())})
            put16(table, v);
        strings.append(r.text);
    }
    return table + strings;
}

} // namespace

QByteArray emboldenedTrueType(const QRawFont& face, double strengthEm, const QString& family,
                              const QList<quint32>& drawn) {
    std::map<QByteArray, QByteArray> tables;
    // What a face needs to be drawn and embedded; hinting programs are left out with the glyphs'
    // instructions, which would place the moved points wrongly.
    for (const char* tag : {"cmap", "head", "hhea", "hmtx", "maxp", "name", "OS/2", "post"}) {
        const QByteArray table = face.fontTable(tag);
        if (!table.isEmpty())
            tables[tag] = table;
    }
    const QByteArray glyf = face.fontTable("glyf"), loca = face.fontTable("loca");
    QByteArray &head = tables["head"], &hhea = tables["hhea"], &hmtx = tables["hmtx"];
    const QByteArray& maxp = tables["maxp"];
    if (glyf.isEmpty() || head.size() < 54 || hhea.size() < 36 || maxp.size() < 6)
        return {};
    const Reader headIn(head), maxpIn(maxp), hheaIn(hhea), locaIn(loca);
    const int glyphs = maxpIn.u16(4), metrics = hheaIn.u16(34);
    const bool longOffsets = headIn.s16(50) == 1;
    if (metrics == 0 || metrics > glyphs || hmtx.size() < 4 * metrics + 2 * (glyphs - metrics) ||
        loca.size() < (glyphs + 1) * (longOffsets ? 4 : 2))
        return {};
    const auto offset = [&](int glyph) -> qsizetype {
        return longOffsets ? locaIn.u32(4 * glyph) : 2 * qsizetype{locaIn.u16(2 * glyph)};
    };
    const auto lsbAt = [&](int glyph) {
        return glyph < metrics ? 4 * glyph + 2 : 4 * metrics + 2 * (glyph - metrics);
    };
    const FT_Pos strength = std::lround(strengthEm * headIn.u16(18));
    if (strength <= 0)
        return {};

    const auto inRange = [&](qsizetype start, qsizetype end) {
        return start <= end && end <= glyf.size() && (start == end || end - start >= 10);
    };
    // The glyphs drawn, with the parts of the composite ones among them; widening only those
    // keeps the making of the face quick.
    std::vector<bool> widen(static_cast<size_t>(glyphs));
    std::vector<int> pending;
    for (quint32 g : drawn)
        if (g < static_cast<quint32>(glyphs) && !widen[g]) {
            widen[g] = true;
            pending.push_back(static_cast<int>(g));
        }
    const Reader glyphIn(glyf);
    while (!pending.empty()) {
        const int g = pending.back();
        pending.pop_back();
        const qsizetype start = offset(g), end = offset(g + 1);
        if (!inRange(start, end))
            return {};
        if (start == end || glyphIn.s16(start) >= 0)
            continue;
        const std::optional<Composite> composite = readComposite(glyf.mid(start, end - start));
        if (!composite)
            return {};
        for (int part : composite->parts)
            if (part < glyphs && !widen[static_cast<size_t>(part)]) {
                widen[static_cast<size_t>(part)] = true;
                pending.push_back(part);
            }
    }

    QByteArray newGlyf, newLoca;
    for (int g = 0; g < glyphs; ++g) {
        put32(newLoca, static_cast<uint32_t>(newGlyf.size()));
        const qsizetype start = offset(g), end = offset(g + 1);
        if (!inRange(start, end))
            return {};
        if (start == end)
            continue;
        if (!widen[static_cast<size_t>(g)]) {
            newGlyf.append(glyf.constData() + start, end - start);
            newGlyf.append((4 - newGlyf.size() % 4) % 4, '\0');
            continue;
        }
        const int oldXMin = glyphIn.s16(start + 2);
        QByteArray glyph;
        if (glyphIn.s16(start) >= 0) {
            std::optional<SimpleGlyph> simple = decodeSimple(glyf, start, end);
            if (!simple)
                return {};
            FT_Outline outline{};
            outline.n_contours = static_cast<short>(simple->endPoints.size());
            outline.n_points = static_cast<short>(simple->points.size());
            std::vector<short> contours(simple->endPoints.begin(), simple->endPoints.end());
            outline.points = simple->points.data();
            outline.tags = simple->tags.data();
            outline.contours = contours.data();
            // FreeType grows the outline up and to the right; moving it back by half the strength
            // grows it evenly on every side. A contour FreeType cannot orient stays as it is.
            if (simple->points.size() <= SHRT_MAX &&
                FT_Outline_EmboldenXY(&outline, strength, strength) == 0)
                FT_Outline_Translate(&outline, -(strength / 2), -(strength / 2));
            glyph = encodeSimple(*simple);
        } else {
            std::optional<Composite> composite = readComposite(glyf.mid(start, end - start));
            if (!composite)
                return {};
            glyph = composite->glyph;
            for (qsizetype at : {2, 4})
                set16(glyph, at, Reader(glyph).s16(at) - strength / 2);
            for (qsizetype at : {6, 8})
                set16(glyph, at, Reader(glyph).s16(at) + strength / 2);
        }
        // The left side bearing keeps its distance to the box, so that FreeType puts the glyph's
        // origin where it was.
        const int lsb = lsbAt(g);
        set16(hmtx, lsb, Reader(hmtx).s16(lsb) + Reader(glyph).s16(2) - oldXMin);
        newGlyf.append(glyph);
        newGlyf.append((4 - newGlyf.size() % 4) % 4, '\0');
    }
    put32(newLoca, static_cast<uint32_t>(newGlyf.size()));

    set16(head, 50, 1);
    for (qsizetype at : {36, 38})
        set16(head, at, headIn.s16(at) - strength / 2);
    for (qsizetype at : {40, 42})
        set16(head, at, headIn.s16(at) + strength / 2);
    set32(head, 8, 0);
    std::optional<QByteArray> names = renamed(tables["name"], family);
    if (!names)
        return {};
    tables["name"] = *names;
    tables["glyf"] = newGlyf;
    tables["loca"] = newLoca;
    QByteArray font = assemble(tables);
    // The whole font sums to this constant, as the format asks.
    const qsizetype headRecord =
        12 + 16 * std::distance(tables.begin(), tables.find(QByteArrayLiteral("head")));
    set32(font, Reader(font).u32(headRecord + 8) + 8, 0xB1B0AFBAu - checksum(font));
    return font;
}

} // namespace platform
