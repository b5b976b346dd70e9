#pragma once
// The message box that lists the errors of a preparation: caption "Hiba", the text "A következő
// hiba történt:", a line break and every error line followed by a line break. The engine draws no
// windows, so the host installs the box (the application a modal box with the error icon and an
// OK button; tests a handler that records what would be shown). Without a handler nothing is
// shown; the lines stay in the report's ErrorList either way.
#include <functional>
#include <string>
#include <vector>

namespace report {

// caption and text are cp1250.
using TrpErrorBoxHandler = std::function<void(const std::string& caption, const std::string& text)>;

// Installs the handler and returns the previous one.
TrpErrorBoxHandler rpSetErrorBoxHandler(TrpErrorBoxHandler handler);

std::string rpErrorBoxText(const std::vector<std::string>& lines);
void rpShowErrorBox(const std::vector<std::string>& lines);

} // namespace report
