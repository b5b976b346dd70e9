// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ErrorReport.h"

#include "platform/Cp1250.h"

#include <QApplication>
#include <QMessageBox>

namespace controls {

std::string errorReportText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + '.';
    return message;
}

void showErrorReport(const std::string& message) {
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(),
                    platform::toUnicode(errorReportText(message)), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void runCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& e) {
        showErrorReport(e.what());
    }
}

} // namespace controls
