// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hidden window that holds the two line buffers of the Save and Load commands.
#include <QWidget>

namespace controls {
class TRichEdit;
}

namespace app {

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    controls::TRichEdit* RichEdit3 = nullptr; // the first buffer
    controls::TRichEdit* RichEdit4 = nullptr; // the second buffer: the form text
};

} // namespace app
