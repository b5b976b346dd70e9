// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The guide window: a fixed rich-text guide. It is created hidden and no command shows it.
#include <QWidget>

class QTextBrowser;

namespace app {

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    QWidget* Panel1 = nullptr;
    QTextBrowser* UiRichScrollBox1 = nullptr;
};

} // namespace app
