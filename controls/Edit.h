// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The single-line edit of the program's windows: a line edit that keeps to code page 1250.
#include <QLineEdit>

namespace controls {

class TEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TEdit(QWidget* parent = nullptr);
};

} // namespace controls
