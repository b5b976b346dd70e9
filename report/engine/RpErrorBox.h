// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message box that lists the errors of a preparation: caption "Hiba", the text "A következő
// hiba történt:", a line break and every error line followed by a line break. The engine draws no
// windows, so the host gives the report its box (TrpReport::ErrorBox: the application a modal box
// with the error icon and an OK button; tests a handler that records what would be shown).
#include <functional>
#include <string>
#include <vector>

namespace report {

// caption and text are cp1250.
using TrpErrorBoxHandler = std::function<void(const std::string& caption, const std::string& text)>;

std::string rpErrorBoxText(const std::vector<std::string>& lines);

} // namespace report
