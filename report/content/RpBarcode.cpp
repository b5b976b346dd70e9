// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/content/RpBarcode.h"

#include "report/common/RpFont.h"

#include "platform/Error.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace report {
namespace {

// Code 39: the 43 data characters in check-value order, each as its nine elements (bar, space,
// bar, ... bar), "w" wide and "n" narrow; three of the nine are wide.
struct Code39Character {
    char character;
    const char* elements;
};
constexpr std::array<Code39Character, 43> code39Table{{
    {'0', "nnnwwnwnn"}, {'1', "wnnwnnnnw"}, {'2', "nnwwnnnnw"}, {'3', "wnwwnnnnn"},
    {'4', "nnnwwnnnw"}, {'5', "wnnwwnnnn"}, {'6', "nnwwwnnnn"}, {'7', "nnnwnnwnw"},
    {'8', "wnnwnnwnn"}, {'9', "nnwwnnwnn"}, {'A', "wnnnnwnnw"}, {'B', "nnwnnwnnw"},
    {'C', "wnwnnwnnn"}, {'D', "nnnnwwnnw"}, {'E', "wnnnwwnnn"}, {'F', "nnwnwwnnn"},
    {'G', "nnnnnwwnw"}, {'H', "wnnnnwwnn"}, {'I', "nnwnnwwnn"}, {'J', "nnnnwwwnn"},
    {'K', "wnnnnnnww"}, {'L', "nnwnnnnww"}, {'M', "wnwnnnnwn"}, {'N', "nnnnwnnww"},
    {'O', "wnnnwnnwn"}, {'P', "nnwnwnnwn"}, {'Q', "nnnnnnwww"}, {'R', "wnnnnnwwn"},
    {'S', "nnwnnnwwn"}, {'T', "nnnnwnwwn"}, {'U', "wwnnnnnnw"}, {'V', "nwwnnnnnw"},
    {'W', "wwwnnnnnn"}, {'X', "nwnnwnnnw"}, {'Y', "wwnnwnnnn"}, {'Z', "nwwnwnnnn"},
    {'-', "nwnnnnwnw"}, {'.', "wwnnnnwnn"}, {' ', "nwwnnnwnn"}, {'$', "nwnwnwnnn"},
    {'/', "nwnwnnnwn"}, {'+', "nwnnnwnwn"}, {'%', "nnnwnwnwn"},
}};
constexpr const char* code39Star = "nwnnwnwnn";

// Wide bar "6", narrow bar "5", wide space "1", narrow space "0".
std::string code39Elements(const char* elements) {
    std::string pattern;
    for (int i = 0; elements[i]; ++i) {
        const bool wide = elements[i] == 'w';
        pattern += i % 2 == 0 ? (wide ? '6' : '5') : (wide ? '1' : '0');
    }
    return pattern;
}

// The Code 39 full-ASCII sequence of a character; characters above 127 have none.
std::string fullAscii(unsigned char c) {
    const auto pair = [](char shift, int letter) { return std::string{shift, char('A' + letter)}; };
    if (c == 0)
        return "%U";
    if (c <= 26)
        return pair('$', c - 1);
    if (c <= 31)
        return pair('%', c - 27);
    if (c == ' ' || c == '-' || c == '.' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'))
        return std::string(1, static_cast<char>(c));
    if (c >= '!' && c <= ',')
        return pair('/', c - '!');
    if (c == '/')
        return "/O";
    if (c == ':')
        return "/Z";
    if (c >= ';' && c <= '?')
        return pair('%', 'F' - 'A' + c - ';');
    if (c == '@')
        return "%V";
    if (c >= '[' && c <= '_')
        return pair('%', 'K' - 'A' + c - '[');
    if (c == '`')
        return "%W";
    if (c >= 'a' && c <= 'z')
        return pair('+', c - 'a');
    if (c <= 127)
        return pair('%', 'P' - 'A' + c - '{');
    return {};
}

bool digitsOnly(TrpBarcodeType type) {
    switch (type) {
    case bcCode_2_5_interleaved:
    case bcCode_2_5_industrial:
    case bcCode_2_5_matrix:
    case bcCode128C:
    case bcCodeMSI:
    case bcCodePostNet:
    case bcCodeEAN8:
    case bcCodeEAN13:
    case bcCodeUPC_A:
    case bcCodeUPC_E0:
    case bcCodeUPC_E1:
    case bcCodeUPC_Supp2:
    case bcCodeUPC_Supp5:
    case bcCodeEAN128C:
        return true;
    default:
        return false;
    }
}

// The types that print their digits in groups and leave the bars longer.
bool eanOrUpc(TrpBarcodeType type) {
    return type == bcCodeEAN8 || type == bcCodeEAN13 || type == bcCodeUPC_A ||
           type == bcCodeUPC_E0 || type == bcCodeUPC_E1;
}

// Blanks and control characters around the text go.
std::string trimmed(const std::string& text) {
    const auto isSpace = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    const auto first = std::find_if_not(text.begin(), text.end(), isSpace);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isSpace).base();
    return first < last ? std::string(first, last) : std::string();
}

double normalizedDegrees(double angle) {
    const double a = std::fmod(angle, 360.0);
    return a < 0 ? a + 360 : a;
}

const char* className = "TrpBarcode";

} // namespace

std::string TrpBarcode::code39(const std::string& text) const {
    std::string pattern = code39Elements(code39Star) + '0';
    int sum = 0;
    for (const char c : text) {
        const auto entry = std::find_if(code39Table.begin(), code39Table.end(),
                                        [c](const Code39Character& e) { return e.character == c; });
        if (entry == code39Table.end())
            continue; // not encodable: left out of the bars and the check sum
        pattern += code39Elements(entry->elements) + '0';
        sum += static_cast<int>(entry - code39Table.begin());
    }
    if (Checksum)
        pattern += code39Elements(code39Table[static_cast<size_t>(sum % 43)].elements) + '0';
    return pattern + code39Elements(code39Star);
}

void TrpBarcode::computeElementWidths() {
    if (Typ == bcCode_2_5_matrix)
        Ratio = std::clamp(Ratio, 2.25, 3.0);
    else if (!(Typ >= bcCode128A && Typ <= bcCodePostNet) && Typ < bcCodeEAN128A)
        Ratio = std::clamp(Ratio, 2.0, 3.0);
    const int two = rpRound(Modul * Ratio);
    elementWidths_ = {Modul, two, two * 3 / 2, two * 2};
}

std::string TrpBarcode::MakePattern() {
    if (Typ < bcCode_2_5_interleaved || Typ > bcCodeEAN128C)
        throw platform::Error(std::string(className) + ": wrong BarcodeType");
    computeElementWidths();
    std::string text = Text;
    if (digitsOnly(Typ)) {
        text = trimmed(text);
        if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
            throw platform::Error("Barcode must be numeric");
    }
    switch (Typ) {
    case bcCode39:
        return code39(text);
    case bcCode39Extended: {
        std::string expanded;
        for (const char c : text)
            expanded += fullAscii(static_cast<unsigned char>(c));
        return code39(expanded);
    }
    default:
        throw platform::Error(std::string(className) + ": " +
                              std::string(TrpBarcodeTypeNames[static_cast<size_t>(Typ)]) +
                              " is not supported");
    }
}

int TrpBarcode::widthOf(const std::string& pattern) const {
    int width = 0;
    for (const char c : pattern) {
        if (c >= '0' && c <= '3')
            width += elementWidths_[static_cast<size_t>(c - '0')];
        else if (c >= '5' && c <= '8')
            width += elementWidths_[static_cast<size_t>(c - '5')];
        else if (c >= 'A' && c <= 'D')
            width += elementWidths_[static_cast<size_t>(c - 'A')];
        else
            throw platform::Error(std::string(className) + ": internal Error");
    }
    return width - 1;
}

int TrpBarcode::Width() {
    return widthOf(MakePattern());
}

void TrpBarcode::Paint(platform::Canvas& canvas, const platform::Rect& rect, bool showText) {
    const std::string pattern = MakePattern();
    const int w = widthOf(pattern);
    leftOffset_ = topOffset_ = 0;
    const double angle = normalizedDegrees(Angle);
    const bool horizontal = angle == 0 || angle == 180;
    if (w <= 0 || rect.isEmpty())
        return;

    // The picture: w units along the code by d across it, stretched onto the rectangle.
    const double k = (horizontal ? rect.width() : rect.height()) / static_cast<double>(w);
    const int d = rpRound((horizontal ? rect.height() : rect.width()) / k);
    const double scaleX = rect.width() / static_cast<double>(horizontal ? w : d);
    const double scaleY = rect.height() / static_cast<double>(horizontal ? d : w);
    const bool ean = eanOrUpc(Typ);
    // A code too short for its text strip keeps its bars inside its rectangle.
    Height = std::max(0, d - (ean ? 7 : 16));
    if (angle == 180)
        topOffset_ = ean ? 8 : 16;
    else if (angle == 270)
        leftOffset_ = ean ? 8 : 16;

    using PicturePoint = std::pair<double, double>;
    const double radians = angle * std::numbers::pi / 180;
    const double cosA = std::cos(radians), sinA = std::sin(radians);
    const auto rotate = [&](double x, double y) {
        return PicturePoint{x * cosA + y * sinA, -x * sinA + y * cosA};
    };
    // The shift that keeps a rotated box of that size in positive coordinates.
    const auto shiftFor = [&](double width, double height) {
        double minX = 0, minY = 0;
        for (const auto& [x, y] : {rotate(width, 0), rotate(width, height), rotate(0, height)}) {
            minX = std::min(minX, x);
            minY = std::min(minY, y);
        }
        return PicturePoint{-minX, -minY};
    };
    const auto toDevice = [&](const PicturePoint& p) {
        return platform::Point{rect.left + rpRound(p.first * scaleX),
                               rect.top + rpRound(p.second * scaleY)};
    };
    // At right angles a quadrilateral is a box of whole picture pixels; otherwise a polygon.
    const bool rightAngle = std::fmod(angle, 90) == 0;
    const auto fill = [&](const std::array<PicturePoint, 4>& corners, platform::TColor color) {
        canvas.setBrush({color, platform::BrushStyle::Solid});
        if (rightAngle) {
            const auto [l, r] = std::minmax(
                {corners[0].first, corners[1].first, corners[2].first, corners[3].first});
            const auto [t, b] = std::minmax(
                {corners[0].second, corners[1].second, corners[2].second, corners[3].second});
            const platform::Point from = toDevice({l, t}), to = toDevice({r, b});
            canvas.fillRect({from.x, from.y, to.x, to.y});
            return;
        }
        canvas.setPen({color, 1, platform::PenStyle::Clear, platform::PenMode::Copy});
        std::array<platform::Point, 4> points;
        for (size_t i = 0; i < 4; ++i)
            points[i] = toDevice(corners[i]);
        canvas.polygon(points);
    };

    // Each element covers x from s to s + width - 1 and y from 0 to its length, turned with the
    // rotated w-by-bar-length box kept in positive coordinates and moved by the bar offsets. The
    // one-pixel pen that outlines it covers the far corner pixels too.
    const PicturePoint barShift = shiftFor(w, Height);
    const auto barPoint = [&](int x, int y) {
        const PicturePoint p = rotate(x, y);
        return PicturePoint{std::round(p.first + barShift.first) + leftOffset_,
                            std::round(p.second + barShift.second) + topOffset_};
    };
    int s = 0;
    for (const char c : pattern) {
        const bool space = c <= '3', shortBar = c >= 'A';
        const char first = space ? '0' : shortBar ? 'A' : '5';
        const int width = elementWidths_[static_cast<size_t>(c - first)];
        const int length = shortBar ? Height * 2 / 5 : Height;
        std::array<PicturePoint, 4> corners{barPoint(s, 0), barPoint(s + width - 1, 0),
                                            barPoint(s + width - 1, length), barPoint(s, length)};
        if (rightAngle) {
            const auto [l, r] = std::minmax({corners[0].first, corners[2].first});
            const auto [t, b] = std::minmax({corners[0].second, corners[2].second});
            corners = {PicturePoint{l, t}, {r + 1, t}, {r + 1, b + 1}, {l, b + 1}};
        }
        fill(corners, space ? Color : ColorBar);
        s += width;
    }

    if (!showText || ean)
        return;
    // The text in a 16-unit strip under the bars, turned with the whole picture.
    const double along = w + 1;
    const PicturePoint shift = shiftFor(along, d);
    const auto picturePoint = [&](double x, double y) {
        const PicturePoint p = rotate(x, y);
        return PicturePoint{p.first + shift.first, p.second + shift.second};
    };
    fill({picturePoint(0, d - 16), picturePoint(along, d - 16), picturePoint(along, d),
          picturePoint(0, d)},
         Color);
    platform::CanvasFont font = TrpFont("Arial", 9).canvasFont(12); // 9 points in picture units
    canvas.setFont(font);
    const int textX = (w - canvas.textWidth(Text)) / 2;
    font.pixelHeight = rpRound(12 * k);
    font.escapement = static_cast<int>(std::lround(angle * 10));
    canvas.setFont(font);
    canvas.setBackgroundColor(Color);
    canvas.setBackgroundMode(platform::BackgroundMode::Transparent);
    const platform::Point origin = toDevice(picturePoint(textX, d - 14));
    canvas.textOut(origin.x, origin.y, Text, {}, {}, 0);
}

} // namespace report
