// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TestHooks.h"

#include <utility>

namespace platform {
namespace {

WriteFaultHook& writeFault() {
    static WriteFaultHook hook;
    return hook;
}

BeepHook& beepHook() {
    static BeepHook hook;
    return hook;
}

} // namespace

WriteFaultHook setWriteFaultHook(WriteFaultHook hook) {
    return std::exchange(writeFault(), std::move(hook));
}

const WriteFaultHook& writeFaultHook() {
    return writeFault();
}

BeepHook setBeepHandler(BeepHook hook) {
    return std::exchange(beepHook(), std::move(hook));
}

const BeepHook& beepHandler() {
    return beepHook();
}

} // namespace platform
