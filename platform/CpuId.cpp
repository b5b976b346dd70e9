// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CpuId.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

namespace platform {

CpuIdLeaf1 readCpuIdLeaf1() {
    CpuIdLeaf1 r;
#if defined(__x86_64__) || defined(__i386__)
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (__get_cpuid(1, &eax, &ebx, &ecx, &edx))
        r = {eax, ebx, ecx, edx};
#endif
    return r;
}

} // namespace platform
