// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search dialog of the preview ("Szövegkereső"): the text to find and two options.
#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace preview {

class TrpSearchDialog : public QDialog {
    Q_OBJECT
public:
    // Without a parent, as it belongs to the application rather than to a window.
    explicit TrpSearchDialog(QWidget* parent = nullptr);

    QLineEdit* TextE;
    QCheckBox* TopCB;  // "Elölről keres": from the first page
    QCheckBox* CaseCB; // "Kis-, nagybetűérzékenyen"
    QPushButton* OkB;
    QPushButton* CancelB;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace preview
