// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application's standard report of an error that ended a command: a modal box with the stop
// icon, titled with the application's title, showing the message with a full stop appended when its
// last character comes after "." in character order.
#include <QString>
#include <exception>
#include <functional>
#include <string>

namespace controls {

// The message as the box shows it (code page 1250 in, with the full-stop rule applied).
std::string errorReportText(const std::string& message);

void showErrorReport(const std::string& message);

// Runs a command; an exception that escapes it is shown as the standard error report and the
// program goes on.
void runCommand(const std::function<void()>& command);

} // namespace controls
