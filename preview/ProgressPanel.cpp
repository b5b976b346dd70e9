// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/ProgressPanel.h"

#include "report/common/RpResources.h"

#include "platform/Cp1250.h"

#include <QLabel>
#include <QPushButton>

namespace preview {

TrpProgressPanel::TrpProgressPanel(QWidget* parent)
    : QFrame(parent)
    , label_(new QLabel(this))
    , cancel_(new QPushButton(platform::toUnicode(report::rpResource("clCancel")), this)) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    setFixedSize(PanelWidth, PanelHeight);
    label_->setGeometry(4, 20, 255, 20);
    label_->setAlignment(Qt::AlignCenter);
    cancel_->setGeometry(92, 44, 75, 25);
    cancel_->setFocusPolicy(Qt::NoFocus);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (OnCancel)
            OnCancel();
    });
    hide();
}

void TrpProgressPanel::ShowProgress(const std::string& text, bool cancellable) {
    label_->setText(platform::toUnicode(text));
    cancel_->setVisible(cancellable);
    raise();
    show();
    repaint();
}

void TrpProgressPanel::HideProgress() {
    hide();
    cancel_->hide();
}

} // namespace preview
