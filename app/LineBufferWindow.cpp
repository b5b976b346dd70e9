// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LineBufferWindow.h"

#include "controls/RichEdit.h"

namespace app {

TForm3::TForm3(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Form3"));
    setGeometry(5, 114, 1020, 649);
    RichEdit3 = new controls::TRichEdit(this);
    RichEdit3->setObjectName(QStringLiteral("RichEdit3"));
    RichEdit3->setGeometry(8, 8, 1001, 217);
    RichEdit3->Add("RichEdit3");
    RichEdit4 = new controls::TRichEdit(this);
    RichEdit4->setObjectName(QStringLiteral("RichEdit4"));
    RichEdit4->setGeometry(8, 232, 1001, 297);
    RichEdit4->Add("RichEdit4");
}

} // namespace app
