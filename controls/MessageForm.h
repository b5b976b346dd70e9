// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window of the localized message and input dialogs: a dialog built in code, in the system's
// message font, optionally painted with a gradient background. Esc activates its cancel button
// (and does nothing without one); closing it through the frame gives mrCancel.
#include <QAbstractButton>
#include <QDialog>
#include <QPointer>
#include <cstdint>
#include <functional>

namespace controls {

// Modal results of the dialog buttons.
enum TModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
    mrNoToAll = 9,
    mrYesToAll = 10
};

class TMessageForm : public QDialog {
    Q_OBJECT
public:
    // Reads DlgGradient, DlgSchemePanel and DlgUseFont.
    explicit TMessageForm(QWidget* parent = nullptr);
    ~TMessageForm() override;

    int32_t HelpContext() const { return helpContext_; }
    void setHelpContext(int32_t context) { helpContext_ = context; }

    QAbstractButton* cancelButton() const { return cancelButton_; }
    void setCancelButton(QAbstractButton* button) { cancelButton_ = button; }

    bool hasGradientBackground() const { return gradientBackground_; }

    // The Help button's handler: asks the application's help for the topic HelpContext.
    void HelpButtonClick();
    // The application's help system; without one, help requests are ignored.
    static void setApplicationHelp(std::function<void(int32_t helpContext)> help);

    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool gradientBackground_ = false;
    int32_t helpContext_ = 0;
    QPointer<QAbstractButton> cancelButton_;
};

} // namespace controls
