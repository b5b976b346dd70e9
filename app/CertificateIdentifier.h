// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The certificate identifier printed in the footer: the last six digits of the processor's
// signature followed by the employee's name checksum in hexadecimal.
#include "platform/CpuId.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace app {

// The sum of the name's bytes (code page 1250) plus its first byte once more; 0 for no name.
uint32_t NameChecksum(std::string_view name);

// ECX, EBX, EDX and EAX of identification leaf 1 in decimal, one after the other.
std::string ProcessorSignature(const platform::CpuIdLeaf1& id);

// The signature's last six characters (all of a shorter one) and the checksum in upper-case
// hexadecimal without leading zeros.
std::string CertificateIdentifier(std::string_view name, const platform::CpuIdLeaf1& id);

} // namespace app
