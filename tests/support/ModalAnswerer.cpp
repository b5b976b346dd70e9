// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

ModalAnswerer::ModalAnswerer() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer_.start();
}

ModalAnswerer::~ModalAnswerer() = default;

ModalAnswerer& ModalAnswerer::then(Answer answer) {
    answers_.push_back(std::move(answer));
    return *this;
}

void ModalAnswerer::poll() {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog || !dialog->isVisible() || handled_.contains(dialog))
        return;
    handled_.append(dialog);
    QStringList texts;
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        if (!label->text().isEmpty())
            texts << label->text();
    seen_.push_back({dialog->windowTitle(), texts.join('\n'), dialog});
    // Answer outside the timer slot: the answer may start a nested event loop of its own.
    Answer answer = next_ < static_cast<int>(answers_.size()) ? answers_[next_++] : reject();
    QPointer<QWidget> guard(dialog);
    QTimer::singleShot(0, this, [guard, answer] {
        if (guard)
            answer(guard);
    });
}

ModalAnswerer::Answer ModalAnswerer::accept() {
    return [](QWidget* w) {
        if (auto* d = qobject_cast<QDialog*>(w))
            d->accept();
        else
            w->close();
    };
}

ModalAnswerer::Answer ModalAnswerer::reject() {
    return [](QWidget* w) {
        if (auto* d = qobject_cast<QDialog*>(w))
            d->reject();
        else
            w->close();
    };
}

ModalAnswerer::Answer ModalAnswerer::typeAndAccept(const QString& text) {
    return [text](QWidget* w) {
        if (auto* edit = w->findChild<QLineEdit*>())
            edit->setText(text);
        accept()(w);
    };
}

ModalAnswerer::Answer ModalAnswerer::clickButton(const QString& caption) {
    return [caption](QWidget* w) {
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
            if (b->text().remove('&') == caption) {
                b->click();
                return;
            }
        }
        ADD_FAILURE() << "the dialog has no button " << caption.toStdString();
        reject()(w);
    };
}

ModalAnswerer::Answer ModalAnswerer::pressKey(int key) {
    return [key](QWidget* w) {
        QWidget* target = w->focusWidget() ? w->focusWidget() : w;
        QTest::keyClick(target, static_cast<Qt::Key>(key));
    };
}
