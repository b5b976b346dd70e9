// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small panel the page view shows in front of the pages while it prints or saves: a centered
// line of text and, while printing, a cancel button.
#include <QFrame>
#include <functional>
#include <string>

class QLabel;
class QPushButton;

namespace preview {

class TrpProgressPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int PanelWidth = 260;
    static constexpr int PanelHeight = 75;

    explicit TrpProgressPanel(QWidget* parent);

    // Sets the text (cp1250), shows the cancel button only when cancellable, and paints at once:
    // the caller is busy and lets window messages run only between pages.
    void ShowProgress(const std::string& text, bool cancellable);
    void HideProgress();

    QLabel* Label() const { return label_; }
    QPushButton* CancelButton() const { return cancel_; }
    // Called by the cancel button.
    std::function<void()> OnCancel;

private:
    QLabel* label_;
    QPushButton* cancel_;
};

} // namespace preview
