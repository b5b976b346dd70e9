// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Processor identification, leaf 1 of the CPUID instruction: the processor signature in EAX, the
// brand/APIC information in EBX and the feature flags in ECX and EDX.
#include <cstdint>

namespace platform {

struct CpuIdLeaf1 {
    uint32_t eax = 0;
    uint32_t ebx = 0;
    uint32_t ecx = 0;
    uint32_t edx = 0;
};

// On x86 the instruction's own answer. Other processors have no such instruction; there all four
// registers read as zero, so the values computed from them stay stable from run to run.
CpuIdLeaf1 readCpuIdLeaf1();

} // namespace platform
