#pragma once
// The platform's default beep, which signals a refused keystroke. Tests install a handler to count
// beeps instead of sounding them.
#include <functional>

namespace platform {

void beep();

// Installs a handler in place of the sound and returns the previous one (empty: the sound).
std::function<void()> setBeepHandler(std::function<void()> handler);

} // namespace platform
