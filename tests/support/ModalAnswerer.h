// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answers the modal dialogs that a command opens, in the order they appear, so that a test can
// drive commands that ask the user something. Every dialog seen is recorded with its title and the
// texts of its labels; a dialog for which no answer was queued is rejected (and still recorded).
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <vector>

class QWidget;

class ModalAnswerer : public QObject {
public:
    using Answer = std::function<void(QWidget* dialog)>;

    struct Seen {
        QString title;
        QString text; // the dialog's label texts, joined by line breaks
        QWidget* dialog = nullptr;
    };

    ModalAnswerer();
    ~ModalAnswerer() override;

    ModalAnswerer& then(Answer answer);
    const std::vector<Seen>& seen() const { return seen_; }
    int pendingAnswers() const { return static_cast<int>(answers_.size()) - next_; }

    // Common answers.
    static Answer accept();
    static Answer reject();
    static Answer typeAndAccept(const QString& text);  // into the first line edit
    static Answer clickButton(const QString& caption); // caption without '&'
    static Answer pressKey(int key);                   // sent to the focused child

private:
    void poll();

    QTimer timer_;
    std::vector<Answer> answers_;
    int next_ = 0;
    std::vector<Seen> seen_;
    QList<QPointer<QWidget>> handled_;
};
