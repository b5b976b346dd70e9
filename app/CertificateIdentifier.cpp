// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CertificateIdentifier.h"

#include <cstdio>

namespace app {

uint32_t NameChecksum(std::string_view name) {
    if (name.empty())
        return 0;
    uint32_t sum = static_cast<unsigned char>(name.front());
    for (const char c : name)
        sum += static_cast<unsigned char>(c);
    return sum;
}

std::string ProcessorSignature(const platform::CpuIdLeaf1& id) {
    return std::to_string(id.ecx) + std::to_string(id.ebx) + std::to_string(id.edx) +
           std::to_string(id.eax);
}

std::string CertificateIdentifier(std::string_view name, const platform::CpuIdLeaf1& id) {
    const std::string signature = ProcessorSignature(id);
    char hex[9];
    std::snprintf(hex, sizeof hex, "%X", NameChecksum(name));
    return signature.substr(signature.size() > 6 ? signature.size() - 6 : 0) + hex;
}

} // namespace app
