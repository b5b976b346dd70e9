// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Base64 form of cipher text in the save file. Encoding is the standard one; decoding follows
// the save format's own, more lenient rules, which every earlier file was read with.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace crypto {

// Standard alphabet, "=" padding, no line breaks.
std::string encodeBase64(std::span<const uint8_t> bytes);

// Four characters at a time. Every character must lie between "+" and "z" (else crypto::Error
// "Invalid Base64 Character", also for an incomplete last group); one of that range outside the
// alphabet counts as 127. A group gives three bytes, each cut to 8 bits, less one when its fourth
// character is "=" and two when its third is.
std::vector<uint8_t> decodeBase64(std::string_view text);

// The text without one final line break (LF or CR LF). The program never writes one, but a save
// file opened in a text editor often gains one; the file reader drops it before decoding.
std::string_view withoutFinalLineBreak(std::string_view text);

} // namespace crypto
