// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/MessageForm.h"

#include "controls/DlgSettings.h"
#include "controls/GradientLines.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

namespace controls {
namespace {

std::function<void(int32_t)>& applicationHelp() {
    static std::function<void(int32_t)> help;
    return help;
}

} // namespace

TMessageForm::TMessageForm(QWidget* parent) : QDialog(parent) {
    // The platform's message font where it names one; otherwise the default font stays.
    setFont(QApplication::font("QMessageBox"));
    gradientBackground_ = DlgGradient && !DlgSchemePanel;
    if (DlgUseFont)
        setFont(DlgFont());
}

TMessageForm::~TMessageForm() = default;

void TMessageForm::HelpButtonClick() {
    if (applicationHelp())
        applicationHelp()(helpContext_);
}

void TMessageForm::setApplicationHelp(std::function<void(int32_t)> help) {
    applicationHelp() = std::move(help);
}

void TMessageForm::reject() {
    // Esc is handled in keyPressEvent, so a reject comes from closing the window.
    done(mrCancel);
}

void TMessageForm::paintEvent(QPaintEvent* event) {
    if (!gradientBackground_) {
        QDialog::paintEvent(event);
        return;
    }
    QPainter painter(this);
    DrawGradientLines(painter, rect(), false, {DlgGradientFrom, DlgGradientTo});
}

void TMessageForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (cancelButton_ && cancelButton_->isVisible() && cancelButton_->isEnabled())
            cancelButton_->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace controls
