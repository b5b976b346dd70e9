// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/NumEdit.h"
#include "platform/RegionalSettings.h"

#include <QAccessible>
#include <QTest>
#include <cfloat>
#include <gtest/gtest.h>
#include <memory>

using namespace controls;

namespace {

// A shown numeric edit with the separators of the certificate's examples (DS ",", TS " ").
class NumEditAccessibility : public ::testing::Test {
protected:
    void SetUp() override {
        savedSettings_ = platform::regionalSettings();
        platform::RegionalSettings s = savedSettings_;
        s.decimalSeparator = ',';
        s.thousandSeparator = ' ';
        platform::setRegionalSettings(s);
        window_ = std::make_unique<QWidget>();
        window_->resize(200, 60);
        edit = new TNumEdit(window_.get());
        edit->move(10, 10);
        edit->SetNumberFormat(TNumberFormat::Thousands);
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        iface = QAccessible::queryAccessibleInterface(edit);
        ASSERT_NE(iface, nullptr);
        value = iface->valueInterface();
        text = iface->textInterface();
        ASSERT_NE(value, nullptr);
        ASSERT_NE(text, nullptr);
    }

    void TearDown() override {
        window_.reset();
        platform::setRegionalSettings(savedSettings_);
    }

    TNumEdit* edit = nullptr;
    QAccessibleInterface* iface = nullptr;
    QAccessibleValueInterface* value = nullptr;
    QAccessibleTextInterface* text = nullptr;

private:
    platform::RegionalSettings savedSettings_;
    std::unique_ptr<QWidget> window_;
};

} // namespace

TEST_F(NumEditAccessibility, IsAnEditableTextWhoseNumberIsItsValue) {
    edit->setAccessibleName(QStringLiteral("Income"));
    edit->setText(QStringLiteral("1 234,5"));
    EXPECT_EQ(iface->role(), QAccessible::EditableText);
    EXPECT_TRUE(iface->state().editable);
    EXPECT_EQ(iface->text(QAccessible::Name), "Income");
    EXPECT_EQ(iface->text(QAccessible::Value), "1 234,5");
    EXPECT_EQ(value->currentValue().toDouble(), 1234.5);
    EXPECT_EQ(text->characterCount(), 7);
    EXPECT_EQ(text->text(0, 5), "1 234");

    // Typed digits are regrouped; the value follows them.
    edit->setFocus();
    edit->setCursorPosition(7);
    QTest::keyClick(edit, '7');
    EXPECT_EQ(value->currentValue().toDouble(), 1234.57);
    EXPECT_EQ(text->cursorPosition(), 8);

    edit->setReadOnly(true);
    EXPECT_TRUE(iface->state().readOnly);
    EXPECT_FALSE(iface->state().editable);
}

TEST_F(NumEditAccessibility, TextThatIsNoNumberHasNoValueInsteadOfRaising) {
    // Written directly in another locale's shape: the edit itself would report it on leaving.
    edit->setText(QStringLiteral("1.234.567"));
    EXPECT_FALSE(value->currentValue().isValid());
    EXPECT_EQ(iface->text(QAccessible::Value), "1.234.567");
}

TEST_F(NumEditAccessibility, SettingTheValueFormatsItKeepsToTheRangeAndRespectsReadOnly) {
    EXPECT_EQ(value->minimumValue().toDouble(), -DBL_MAX);
    EXPECT_EQ(value->maximumValue().toDouble(), DBL_MAX);
    EXPECT_EQ(value->minimumStepSize().toDouble(), 0.0);
    value->setCurrentValue(1234567.25);
    EXPECT_EQ(edit->text(), "1 234 567,25");

    edit->SetMaxValue(100);
    edit->SetMinValue(10);
    edit->SetDecimals(2);
    EXPECT_EQ(value->minimumValue().toDouble(), 10.0);
    EXPECT_EQ(value->maximumValue().toDouble(), 100.0);
    EXPECT_DOUBLE_EQ(value->minimumStepSize().toDouble(), 0.01);
    value->setCurrentValue(5);
    EXPECT_EQ(edit->text(), "10,00");
    value->setCurrentValue(QStringLiteral("no number"));
    EXPECT_EQ(edit->text(), "10,00");

    edit->setReadOnly(true);
    value->setCurrentValue(50);
    EXPECT_EQ(edit->text(), "10,00");
    edit->setReadOnly(false);
    edit->setEnabled(false);
    value->setCurrentValue(50);
    EXPECT_EQ(edit->text(), "10,00");
}

TEST_F(NumEditAccessibility, CharacterRectanglesAndPointsAgree) {
    edit->setText(QStringLiteral("98 765"));
    edit->repaint(); // the edit places its text when it paints it
    const QRect box(edit->mapToGlobal(QPoint(0, 0)), edit->size());
    int previousRight = box.left();
    for (int i = 0; i < text->characterCount(); ++i) {
        const QRect r = text->characterRect(i);
        EXPECT_TRUE(box.contains(r)) << i;
        EXPECT_GE(r.left(), previousRight) << i; // left to right, right-aligned or not
        previousRight = r.right();
        EXPECT_EQ(text->offsetAtPoint(QPoint(r.left() + 1, r.center().y())), i);
    }
    EXPECT_EQ(text->offsetAtPoint(box.topLeft() - QPoint(5, 5)), -1);

    text->setSelection(0, 1, 4);
    int start = -1, end = -1;
    text->selection(0, &start, &end);
    EXPECT_EQ(edit->selectedText(), "8 7");
    EXPECT_EQ(start, 1);
    EXPECT_EQ(end, 4);
    EXPECT_EQ(text->selectionCount(), 1);
    text->removeSelection(0);
    EXPECT_EQ(text->selectionCount(), 0);
}
