// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The process-wide hooks that only tests set, gathered in one place so that every point where a
// test steps into the program's own code is seen here. Each setter returns the previous hook; an
// empty hook restores the normal behaviour. The program itself never sets them.
#include <functional>

namespace platform {

// writeFileAtomically (platform/Files.h) asks the hook before each of its steps; a non-zero result
// makes that step fail with this errno value.
enum class WriteStep { Open, Write, Sync, Rename };
using WriteFaultHook = std::function<int(WriteStep)>;
WriteFaultHook setWriteFaultHook(WriteFaultHook hook);
const WriteFaultHook& writeFaultHook();

// The default beep (controls/Beep.h) calls the hook instead of sounding, so that tests count
// refused keystrokes.
using BeepHook = std::function<void()>;
BeepHook setBeepHandler(BeepHook hook);
const BeepHook& beepHandler();

} // namespace platform
