// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/SearchDialog.h"

#include "preview/WindowTexts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace preview {

TrpSearchDialog::TrpSearchDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("TrpSearchDialog");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFixedWidth(252);

    auto* label = new QLabel(QString::fromUtf8("Keresendő szöveg:"), this);
    TextE = new QLineEdit(this);
    TextE->setObjectName("TextE");
    TextE->setFixedWidth(237);
    label->setBuddy(TextE);

    auto* options = new QGroupBox(QString::fromUtf8("Keresési opciók  "), this);
    TopCB = new QCheckBox(options);
    TopCB->setObjectName("TopCB");
    CaseCB = new QCheckBox(options);
    CaseCB->setObjectName("CaseCB");
    auto* optionsLayout = new QVBoxLayout(options);
    optionsLayout->addWidget(TopCB);
    optionsLayout->addWidget(CaseCB);

    OkB = new QPushButton("OK", this);
    OkB->setObjectName("OkB");
    OkB->setDefault(true);
    CancelB = new QPushButton(QString::fromUtf8("Mégsem"), this);
    CancelB->setObjectName("CancelB");
    connect(OkB, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelB, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkB);
    buttons->addWidget(CancelB);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(TextE);
    layout->addWidget(options);
    layout->addLayout(buttons);

    applyWindowTexts(*this, "TrpSearchDialog");
    setFixedHeight(sizeHint().height());
}

void TrpSearchDialog::showEvent(QShowEvent* event) {
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

} // namespace preview
