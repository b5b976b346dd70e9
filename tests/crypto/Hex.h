// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Known-answer vectors are written in hexadecimal.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline std::vector<uint8_t> fromHex(std::string_view hex) {
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(
            static_cast<uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    return bytes;
}

template <typename Bytes>
std::string toHex(const Bytes& bytes) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string hex;
    for (const auto b : bytes) {
        hex.push_back(digits[static_cast<uint8_t>(b) >> 4]);
        hex.push_back(digits[static_cast<uint8_t>(b) & 15]);
    }
    return hex;
}
