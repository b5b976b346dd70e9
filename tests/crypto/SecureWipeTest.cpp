// SPDX-License-Identifier: GPL-3.0-or-later
#include "crypto/SecureWipe.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

// A pass phrase or a decrypted form leaves nothing of itself in the buffer it was held in, and an
// empty buffer (which may have no address) is no fault.
TEST(SecureWipe, ZeroesTheWholeBufferAndTakesAnEmptyOne) {
    std::string secret(40, 'x');
    secret.resize(10); // the rest of the buffer still holds the longer text
    const char* buffer = secret.data();
    const size_t capacity = secret.capacity();
    crypto::secureWipe(secret);
    EXPECT_TRUE(secret.empty());
    ASSERT_EQ(secret.data(), buffer); // the same buffer, no copy made
    EXPECT_EQ(std::count(buffer, buffer + capacity, 'x'), 0);

    crypto::secureWipe(nullptr, 0);
    std::string empty;
    crypto::secureWipe(empty);
    EXPECT_TRUE(empty.empty());
}
