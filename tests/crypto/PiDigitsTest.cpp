// SPDX-License-Identifier: GPL-3.0-or-later
#include "crypto/PiDigits.h"

#include "Hex.h"

#include <gtest/gtest.h>
#include <memory>
#include <openssl/bn.h>
#include <span>

using namespace crypto;

namespace {

using Bignum = std::unique_ptr<BIGNUM, decltype(&BN_free)>;

Bignum bignum(BIGNUM* bn) {
    return Bignum(bn, &BN_free);
}

// arctan(1/x) scaled by 2^bits, from its Taylor series in exact integer arithmetic. Each term is
// truncated once, so the error is at most a few units per term.
Bignum arctanOfInverse(BN_ULONG x, int bits) {
    auto term = bignum(BN_new());
    BN_one(term.get());
    BN_lshift(term.get(), term.get(), bits);
    BN_div_word(term.get(), x);
    auto sum = bignum(BN_dup(term.get()));
    auto part = bignum(BN_new());
    for (BN_ULONG k = 1; !BN_is_zero(term.get()); ++k) {
        BN_div_word(term.get(), x * x);
        BN_copy(part.get(), term.get());
        BN_div_word(part.get(), 2 * k + 1);
        if (k % 2)
            BN_sub(sum.get(), sum.get(), part.get());
        else
            BN_add(sum.get(), sum.get(), part.get());
    }
    return sum;
}

} // namespace

TEST(PiDigits, TableEqualsPiComputedWithMachinsFormula) {
    // 64 guard bits absorb the truncation errors of a few hundred terms.
    constexpr int bits = 2048 + 64;
    const auto a5 = arctanOfInverse(5, bits);
    const auto a239 = arctanOfInverse(239, bits);
    // pi = 16 arctan(1/5) - 4 arctan(1/239)
    auto pi = bignum(BN_new());
    BN_lshift(pi.get(), a5.get(), 4);
    BN_lshift(a239.get(), a239.get(), 2);
    BN_sub(pi.get(), pi.get(), a239.get());
    // The fractional part: drop the integer 3 and the guard bits.
    BN_mask_bits(pi.get(), bits);
    BN_rshift(pi.get(), pi.get(), 64);
    std::array<uint8_t, 256> computed{};
    ASSERT_EQ(BN_bn2binpad(pi.get(), computed.data(), 256), 256);
    EXPECT_EQ(toHex(computed), toHex(piFractionBytes));
}

TEST(PiDigits, StartWithTheWellKnownHexadecimalDigits) {
    EXPECT_EQ(toHex(std::span(piFractionBytes).first(16)), "243f6a8885a308d313198a2e03707344");
}
