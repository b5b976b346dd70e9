// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Localizing a window: the resource table's texts for the window's class name replace the
// texts of the window and of its children named in them.
#include <string>

class QWidget;

namespace preview {

// "Caption" sets the title of the window or group box, or the text of a label, button or edit;
// "Hint" sets a tool tip. Other properties and unknown components are left alone.
void applyWindowTexts(QWidget& window, const std::string& windowClass);

} // namespace preview
