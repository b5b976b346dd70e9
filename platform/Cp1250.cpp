// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Cp1250.h"

#include <QHash>
#include <QStringDecoder>
#include <algorithm>
#include <array>

namespace platform {
namespace {

// Built once from the system's converter: a byte-to-character table and its inverse. Bytes that
// the code page leaves undefined decode to the C1 control of the same value, so every byte survives
// a round trip.
struct Tables {
    std::array<char16_t, 256> toUnicode{};
    QHash<char16_t, unsigned char> fromUnicode;

    Tables() {
        QStringDecoder decoder("windows-1250");
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            const QString s = decoder(QByteArrayView(&byte, 1));
            toUnicode[b] = s.size() == 1 ? s.at(0).unicode() : char16_t(b);
            fromUnicode.insert(toUnicode[b], static_cast<unsigned char>(b));
        }
    }
};

const Tables& tables() {
    static const Tables t;
    return t;
}

} // namespace

QChar toUnicode(char cp1250) {
    return QChar(tables().toUnicode[static_cast<unsigned char>(cp1250)]);
}

QString toUnicode(std::string_view cp1250) {
    const auto& table = tables().toUnicode;
    QString out(static_cast<qsizetype>(cp1250.size()), Qt::Uninitialized);
    QChar* dst = out.data();
    for (char c : cp1250)
        *dst++ = QChar(table[static_cast<unsigned char>(c)]);
    return out;
}

bool isCp1250Representable(QChar c) {
    return tables().fromUnicode.contains(c.unicode());
}

bool isCp1250Representable(QStringView text) {
    for (QChar c : text)
        if (!isCp1250Representable(c))
            return false;
    return true;
}

bool isFieldCharacter(QChar c) {
    return c.category() != QChar::Other_Control && isCp1250Representable(c);
}

bool isFieldText(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return isFieldCharacter(c); });
}

char toCp1250(QChar c) {
    const auto& map = tables().fromUnicode;
    const auto it = map.constFind(c.unicode());
    return it == map.cend() ? '?' : static_cast<char>(*it);
}

std::string toCp1250(QStringView text) {
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (QChar c : text)
        out.push_back(toCp1250(c));
    return out;
}

std::string fromUtf8(std::string_view utf8) {
    return toCp1250(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

} // namespace platform
