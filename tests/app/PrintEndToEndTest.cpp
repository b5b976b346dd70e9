// SPDX-License-Identifier: GPL-3.0-or-later
// The clerk's loop: type the form, choose "Nyomtatás", look at the preview, print with Ctrl+P.
#include "app/CertificateWindow.h"
#include "app/Startup.h"
#include "controls/Edit.h"
#include "controls/NumEdit.h"
#include "platform/Cp1250.h"
#include "platform/RecordingCanvas.h"
#include "preview/Preview.h"
#include "preview/PreviewForm.h"
#include "preview/PreviewWorkspace.h"
#include "preview/PrintDialog.h"
#include "support/ModalAnswerer.h"
#include "support/PrintQueue.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Types text the way the keyboard does, accented letters included.
void type(QWidget* edit, const char* utf8) {
    edit->setFocus();
    for (const QChar c : QString::fromUtf8(utf8))
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

TEST(PrintEndToEnd, TypedFormIsPreviewedAndPrintedWithCtrlP) {
    if (!printqueue::available())
        GTEST_SKIP() << printqueue::unavailableReason();
    app::Forms forms = app::CreateForms();
    app::TForm1& w = *forms.form1;
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.Edit1->clear();
    w.Edit2->clear();
    type(w.Edit1, "Tölgyesvárhelyi Vízmű Kft.");
    type(w.Edit2, "Fő utca 1.");
    type(w.Edit3, "Kovács Ödön");
    type(w.Edit6, "Nagy Éva");
    type(w.Edit7, "Kossuth tér 2.");
    type(w.Edit4, "könyvelő");
    type(w.Edit5, "2001. március 1.");
    w.NumEdit1->setFocus();
    w.NumEdit1->selectAll();
    QTest::keyClicks(w.NumEdit1, "123456");
    const std::string title = printqueue::uniqueTitle("EndToEnd");
    w.rpReport1.ReportOptions.Name = title;

    bool bold = false, underlined = false;
    ModalAnswerer dialogs;
    dialogs
        .then([&](QWidget* dialog) {
            auto* form = qobject_cast<preview::TrpPreviewForm*>(dialog);
            ASSERT_NE(form, nullptr) << "the preview did not open";
            // What the preview draws of the page, recorded.
            platform::RecordingCanvas canvas;
            form->Preview->Workspace()->PaintArea(canvas, {0, 0, 4000, 4000}, false);
            for (const platform::CanvasRecord& r : canvas.records()) {
                if (r.kind != platform::CanvasRecord::Kind::TextOut)
                    continue;
                const QString text = platform::toUnicode(r.text);
                bold |= text.contains(QString::fromUtf8("Kovács Ödön")) &&
                        (r.font.style & platform::fontBold);
                underlined |= text.contains(QString::fromUtf8("Vízmű")) &&
                              (r.font.style & platform::fontUnderline);
            }
            QTest::keyClick(form->Preview, Qt::Key_P, Qt::ControlModifier);
            QTest::keyClick(form, Qt::Key_Escape);
        })
        .then([](QWidget* dialog) {
            auto* print = qobject_cast<preview::TrpPrintDialog*>(dialog);
            ASSERT_NE(print, nullptr) << "Ctrl+P opened no print dialog";
            const int queue = print->PrintersCB->findText(printqueue::queue);
            ASSERT_GE(queue, 0);
            print->PrintersCB->setCurrentIndex(queue);
            print->OkB->click();
        });
    w.Nyomtats1->trigger();

    EXPECT_EQ(dialogs.seen().size(), 2u);
    EXPECT_TRUE(bold) << "the employee's name is not drawn in bold";
    EXPECT_TRUE(underlined) << "the employer's name is not underlined";
    printqueue::waitForQueue();
    const QStringList outputs = printqueue::outputsOf(title);
    ASSERT_EQ(outputs.size(), 1);
    const auto sizes = printqueue::pdfPageSizes(outputs.front());
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_TRUE(printqueue::isA4(sizes.front()));
    QFile::remove(outputs.front());
}
