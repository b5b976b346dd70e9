// SPDX-License-Identifier: GPL-3.0-or-later
#include "crypto/Base64.h"

#include "crypto/CipherException.h"

#include "crypto/OpenSslLibrary.h"
#include <algorithm>
#include <array>

namespace crypto {
namespace {

constexpr char firstValid = '+';
constexpr char lastValid = 'z';
constexpr uint8_t notInAlphabet = 127;

constexpr std::array<uint8_t, lastValid - firstValid + 1> valueTable = [] {
    constexpr std::string_view alphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::array<uint8_t, lastValid - firstValid + 1> table{};
    table.fill(notInAlphabet);
    for (size_t i = 0; i < alphabet.size(); ++i)
        table[static_cast<size_t>(alphabet[i] - firstValid)] = static_cast<uint8_t>(i);
    return table;
}();

[[noreturn]] void invalidCharacter() {
    throw Error("Invalid Base64 Character");
}

unsigned valueOf(char c) {
    if (c < firstValid || c > lastValid)
        invalidCharacter();
    return valueTable[static_cast<size_t>(c - firstValid)];
}

} // namespace

std::string encodeBase64(std::span<const uint8_t> bytes) {
    // EVP_EncodeBlock takes an int length and writes a terminating NUL after the last group.
    const OpenSslLibrary& ssl = OpenSslLibrary::get();
    std::vector<unsigned char> out(4 * ((bytes.size() + 2) / 3) + 1);
    size_t written = 0;
    for (size_t offset = 0; offset < bytes.size();) {
        const size_t chunk = std::min<size_t>(bytes.size() - offset, 3 * (1u << 20));
        written += static_cast<size_t>(
            ssl.encodeBlock(out.data() + written, bytes.data() + offset, static_cast<int>(chunk)));
        offset += chunk;
    }
    return std::string(reinterpret_cast<const char*>(out.data()), written);
}

std::vector<uint8_t> decodeBase64(std::string_view text) {
    std::vector<uint8_t> bytes;
    bytes.reserve(text.size() / 4 * 3);
    for (size_t i = 0; i < text.size(); i += 4) {
        if (text.size() - i < 4)
            invalidCharacter();
        const unsigned w = valueOf(text[i]), x = valueOf(text[i + 1]), y = valueOf(text[i + 2]),
                       z = valueOf(text[i + 3]);
        bytes.push_back(static_cast<uint8_t>(w << 2 | x >> 4));
        if (text[i + 2] == '=')
            continue;
        bytes.push_back(static_cast<uint8_t>(x << 4 | y >> 2));
        if (text[i + 3] == '=')
            continue;
        bytes.push_back(static_cast<uint8_t>(y << 6 | z));
    }
    return bytes;
}

std::string_view withoutFinalLineBreak(std::string_view text) {
    if (text.ends_with("\r\n"))
        text.remove_suffix(2);
    else if (text.ends_with('\n'))
        text.remove_suffix(1);
    return text;
}

} // namespace crypto
