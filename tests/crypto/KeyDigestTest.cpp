// SPDX-License-Identifier: GPL-3.0-or-later
#include "crypto/KeyDigest.h"
#include "crypto/DigestBlockCipher.h"
#include "crypto/KeyDigestState.h"
#include "crypto/MixRound.h"
#include "crypto/PiDigits.h"

#include "Hex.h"

#include <gtest/gtest.h>

using namespace crypto;

namespace {

std::vector<uint8_t> bytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

std::string digestHex(const std::vector<uint8_t>& input, size_t n = 16) {
    std::vector<uint8_t> out(n);
    KeyDigest(input, out);
    return toHex(out);
}

std::vector<uint8_t> sequence(size_t n) {
    std::vector<uint8_t> v(n);
    for (size_t i = 0; i < n; ++i)
        v[i] = static_cast<uint8_t>(i * 7 + 3);
    return v;
}

} // namespace

TEST(MixRound, KnownAnswer) {
    uint32_t a = 1, b = 2, c = 3, d = 4;
    MixRound(a, b, c, d);
    EXPECT_EQ(a, 0x03F37DC9u);
    EXPECT_EQ(b, 0xF96D90F7u);
    EXPECT_EQ(c, 0xFCF0EB44u);
    EXPECT_EQ(d, 0xC9E4E3BBu);
}

// Vectors from a second, independently written implementation of the digest (byte-oriented, in
// another language). Saved files depend on every bit of these.
TEST(KeyDigest, KnownAnswers) {
    EXPECT_EQ(digestHex({}), "0bd132aa831c56ac1f92e61084a342d2");
    EXPECT_EQ(digestHex(bytesOf("abcdefg")), "e99bdb4a2032de3fa08ac0ba5df46af4");
    EXPECT_EQ(digestHex(bytesOf("12345678")), "b71bccfc7a8c64aae7e3b7c6716ad7d6");
    EXPECT_EQ(digestHex(bytesOf("jelsz\xF3")), "622d55ed19c74ed34e84111c9289af76");
    EXPECT_EQ(digestHex(std::vector<uint8_t>(255, 'x')), "2ce74d6f0f33fc9884cd0af2f8951cc9");
    EXPECT_EQ(digestHex(sequence(300)), "4a787bec366e4ca562e55ef736af6cd3");
    EXPECT_EQ(digestHex(bytesOf("hegym\xE1sz\xF3"), 32),
              "dd78a8ccf8ba02119be8757d94ecb84d644f304e7c4c6208b3424d91a806d527");
}

TEST(KeyDigest, EveryBlockOfTheDigestIsEncrypted) {
    EXPECT_EQ(digestHex({}, 256),
              "0bd132aa831c56ac1f92e61084a342d27e4f9a70b731ca1d0b76a3b9da8ece2c"
              "1ceaa213c155d1ed0e9fbeae29e8f746ede56615b4d8b4a00bfe54c6a7010aec"
              "95fdf809b8e1e54b216aaeb325a677d921520caf5666d1930cbb6d249936850b"
              "b0a89a5f2c556b27a323f602caa404779368724ebee16781e1569d6984fe85cb"
              "d6d518c52ad34b0f01fcd4af30c56a1cac8267a6463ce8e074ef3a84d46caf70"
              "ca9738093b35b7d30010879ca73313929b87defbc3fc5c1c42962d0f9f2c8800"
              "1bca941dff370cc5610a8ddf75e91dd232f424067274e1c1d633034c4c371d10"
              "a2a1d9e367e90162cb3ac6b0eb5c73fba8b34ee987a83998930bb607c9ee4e3e");
    // Shorter results are prefixes of the same digest.
    EXPECT_EQ(digestHex({}, 24), digestHex({}, 256).substr(0, 48));
    std::vector<uint8_t> tooLong(257);
    EXPECT_THROW(KeyDigest({}, tooLong), std::invalid_argument);
}

TEST(KeyDigest, PassPhrasesAreComparedAsBytes) {
    const std::string lower = digestHex(bytesOf("jelsz\xF3"));
    EXPECT_EQ(digestHex(bytesOf("jelsz\xF3")), lower); // nothing is kept between calls
    EXPECT_EQ(digestHex(bytesOf("Jelsz\xF3")), "61d342f4a9fc352292b52a6e03087a4c");
    EXPECT_EQ(digestHex(bytesOf("jelsz\xC3\xB3")), "51b3d2f16fc9c5ed3fc62767499eed05"); // UTF-8
}

TEST(KeyDigestState, InputWrapsAroundTheDigestBlock) {
    const auto input = sequence(300);
    KeyDigestState state;
    for (const uint8_t x : input)
        state.absorb(x);
    for (size_t i = 0; i < 256; ++i) {
        const uint8_t wrapped = i + 256 < input.size() ? input[i + 256] : 0;
        ASSERT_EQ(state.digestBlock()[i], piFractionBytes[i] ^ input[i] ^ wrapped) << i;
    }
}

TEST(KeyDigestState, OnlyTheLowHalfOfTheMixingKeyTakesInput) {
    KeyDigestState state;
    for (const uint8_t x : {0x01, 0x02, 0x03, 0x04, 0x05})
        state.absorb(x);
    EXPECT_EQ(state.keyIndex(), 5u);
    EXPECT_EQ(state.mixingKey()[0], 0x55555555u ^ 0x04030201u); // little-endian
    EXPECT_EQ(state.mixingKey()[1], 0x55555555u ^ 0x05u);
    EXPECT_EQ(state.mixingKey()[2], 0x55555555u);
    EXPECT_EQ(state.mixingKey()[3], 0x55555555u);
}

TEST(DigestBlockCipher, RoundCountIsClampedToFourToSixteen) {
    const std::array<uint32_t, 4> key = {1, 2, 3, 4};
    const auto encrypt = [&](int rounds) {
        std::array<uint8_t, 16> block{};
        DigestBlockCipher(key, rounds).encryptBlock(block);
        return block;
    };
    EXPECT_EQ(encrypt(1), encrypt(4));
    EXPECT_EQ(encrypt(99), encrypt(16));
    EXPECT_NE(encrypt(4), encrypt(8));
    EXPECT_NE(encrypt(8), encrypt(16));
}
