#pragma once
// The preview's windows take their texts from the engine's resource table, keyed by the window's
// class name: the built-in texts of the layout are replaced when the window is created.
#include <string>

class QWidget;

namespace preview {

// "Caption" sets the window title or the text of the named child (a label, button, check box or
// group box); "Hint" sets a tool tip. Children are found by object name; settings naming a child
// the window does not have, or another property, are skipped.
void localizeForm(QWidget& form, const std::string& windowClass);

} // namespace preview
