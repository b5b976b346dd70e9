// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader finds on a window when the user walks it with the keyboard: every widget
// that takes the focus, with the name its accessible interface announces.
#include <QString>
#include <string>
#include <vector>

class QWidget;

struct AccessibleField {
    QWidget* widget = nullptr;
    QString name; // QAccessible::Name of the widget's interface
};

// The window's visible, enabled widgets that take the focus themselves (not through a focus
// proxy), in the order of the window's children.
std::vector<AccessibleField> focusableFields(QWidget* window);

// The fields whose name is empty or equals another field's, one per line with its object name;
// empty when every name is there and tells its field apart.
std::string unnamedOrRepeated(const std::vector<AccessibleField>& fields);

// The accessible name of one widget.
QString accessibleName(QWidget* widget);
