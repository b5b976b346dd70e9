// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/StyledMainMenu.h"

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QPainter>
#include <QTest>
#include <array>
#include <gtest/gtest.h>
#include <memory>

using namespace controls;

namespace {

const QColor barStart(215, 215, 229);
const QColor barEnd(242, 242, 247);
const QColor hoverFrame(75, 75, 111);
const QColor selectedFrame(124, 124, 148);

// Row p of a vertical item gradient over `rows` rows, each channel truncated toward zero.
QColor itemRow(QColor from, QColor to, int p, int rows) {
    const auto channel = [&](int a, int b) { return a + p * (b - a) / rows; };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

int distance(const QColor& a, const QColor& b) {
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                     std::abs(a.blue() - b.blue())});
}

// The certificate window's menu: four commands directly on the bar.
class StyledMainMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = std::make_unique<QMainWindow>();
        window_->resize(811, 558);
        menu = new TStyledMainMenu(window_.get());
        window_->setMenuBar(menu);
        window_->setCentralWidget(new QLineEdit);
        const std::array<const char*, 4> captions = {"Nyomtatás", "Űrlap mentése",
                                                     "Kitöltött űrlap betöltése", "Kilépés"};
        for (int i = 0; i < 4; ++i) {
            items[i] = menu->addAction(QString::fromUtf8(captions[i]));
            QObject::connect(items[i], &QAction::triggered, [this, i] { ++runs[i]; });
        }
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        window_->centralWidget()->setFocus();
    }

    QImage bar() const { return menu->grab().toImage(); }
    QRect itemRect(int i) const { return menu->actionGeometry(items[i]); }

    void expectFramedGradient(const QImage& image, const QRect& r, QColor from, QColor to,
                              QColor frame) {
        for (const QPoint& p : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight(),
                                QPoint(r.left(), r.center().y()), QPoint(r.center().x(), r.top())})
            EXPECT_EQ(image.pixelColor(p), frame) << p.x() << "," << p.y();
        // The column just inside the frame is clear of the centred caption.
        for (int y = 1; y < r.height() - 1; ++y)
            EXPECT_EQ(image.pixelColor(r.left() + 1, r.top() + y), itemRow(from, to, y, r.height()))
                << "row " << y;
    }

    TStyledMainMenu* menu = nullptr;
    std::array<QAction*, 4> items{};
    std::array<int, 4> runs{};

private:
    std::unique_ptr<QMainWindow> window_;
};

} // namespace

TEST(PaintBarGradient, SectionsJoinIntoTheFullGradient) {
    QImage whole(100, 1, QImage::Format_RGB32);
    QImage pieces(100, 1, QImage::Format_RGB32);
    const platform::TColor from = platform::rgb(0, 0, 0);
    const platform::TColor to = platform::rgb(200, 100, 50);
    {
        QPainter canvas(&whole);
        PaintBarGradient(canvas, whole.rect(), from, to, gdHorizontal);
        QPainter sections(&pieces);
        for (const QRect& clip : {QRect(0, 0, 40, 1), QRect(40, 0, 30, 1), QRect(70, 0, 50, 1)})
            PaintBarSection(sections, pieces.rect(), clip, from, to, gdHorizontal);
    }
    EXPECT_EQ(whole.pixelColor(0, 0), QColor(0, 0, 0));
    EXPECT_EQ(whole.pixelColor(50, 0), QColor(100, 50, 25));
    EXPECT_EQ(whole.pixelColor(99, 0), QColor(198, 99, 49)); // 99 × 200 / 100, truncated
    for (int x = 0; x < 100; ++x)
        EXPECT_LE(distance(whole.pixelColor(x, 0), pieces.pixelColor(x, 0)), 1) << x;
    // A missing end colour is a flat fill.
    {
        QPainter canvas(&whole);
        PaintBarGradient(canvas, whole.rect(), to, platform::clNone, gdHorizontal);
    }
    EXPECT_EQ(whole.pixelColor(0, 0), whole.pixelColor(99, 0));
}

TEST_F(StyledMainMenuTest, WholeBarIsOneGradientFromLeftToRightEdge) {
    const QImage image = bar();
    ASSERT_EQ(image.width(), 811);
    ASSERT_LT(itemRect(3).right(), 600); // there is bar beyond the last item
    EXPECT_EQ(image.pixelColor(0, 0), barStart);
    const QColor last = image.pixelColor(810, 0);
    EXPECT_LE(distance(last, barEnd), 1);
    for (int x = 0; x < image.width(); ++x) {
        const QColor ideal = itemRow(barStart, barEnd, x, 811);
        for (int y : {0, image.height() - 1})
            ASSERT_LE(distance(image.pixelColor(x, y), ideal), 1) << "column " << x;
        if (x > 0) { // never darker to the right: no seams between the items
            ASSERT_GE(image.pixelColor(x, 0).red(), image.pixelColor(x - 1, 0).red()) << x;
        }
    }
    EXPECT_EQ(menu->MenuStyler()->objectName(), "InternalMenuStyler");
}

TEST_F(StyledMainMenuTest, HoverAndPressShowTheirFramedGradientsAndClickRunsTheCommand) {
    const QRect exit = itemRect(3);
    QTest::mouseMove(menu, exit.center());
    expectFramedGradient(bar(), exit, QColor(255, 246, 207), QColor(255, 216, 157), hoverFrame);
    // The neighbour keeps the bar's gradient.
    EXPECT_LE(distance(bar().pixelColor(itemRect(2).left(), 0),
                       itemRow(barStart, barEnd, itemRect(2).left(), 811)),
              1);

    QTest::mousePress(menu, Qt::LeftButton, {}, exit.center());
    expectFramedGradient(bar(), exit, QColor(232, 232, 242), QColor(185, 184, 205), selectedFrame);
    EXPECT_EQ(runs[3], 0);
    QTest::mouseRelease(menu, Qt::LeftButton, {}, exit.center());
    EXPECT_EQ(runs, (std::array<int, 4>{0, 0, 0, 1}));
    expectFramedGradient(bar(), exit, QColor(255, 246, 207), QColor(255, 216, 157), hoverFrame);

    QTest::mouseClick(menu, Qt::LeftButton, {}, itemRect(0).center());
    EXPECT_EQ(runs, (std::array<int, 4>{1, 0, 0, 1}));
}

TEST_F(StyledMainMenuTest, CommandsAreReachableFromTheKeyboard) {
    QWidget* field = QApplication::focusWidget();
    ASSERT_NE(field, nullptr);
    QTest::keyClick(field, Qt::Key_Alt, Qt::AltModifier);
    ASSERT_TRUE(menu->hasFocus());
    EXPECT_EQ(menu->activeAction(), items[0]);
    expectFramedGradient(bar(), itemRect(0), QColor(232, 232, 242), QColor(185, 184, 205),
                         selectedFrame);
    QTest::keyClick(menu, Qt::Key_Right);
    QTest::keyClick(menu, Qt::Key_Right);
    EXPECT_EQ(menu->activeAction(), items[2]);
    // The command runs with the keyboard back in the field: a dialog it opens hands the focus
    // back there when it closes, and typing goes on in the field.
    QWidget* focusDuringCommand = nullptr;
    QObject::connect(items[2], &QAction::triggered,
                     [&] { focusDuringCommand = QApplication::focusWidget(); });
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_EQ(runs, (std::array<int, 4>{0, 0, 1, 0}));
    EXPECT_EQ(focusDuringCommand, field);
    EXPECT_FALSE(menu->hasFocus());
}

TEST_F(StyledMainMenuTest, ACommandChosenWithTheKeyboardRunsWithTheFocusBackInTheField) {
    // Its dialogs then give the focus back to the field, not to the bar, when they close.
    QWidget* field = QApplication::focusWidget();
    QWidget* focusDuringCommand = nullptr;
    QObject::connect(items[1], &QAction::triggered,
                     [&] { focusDuringCommand = QApplication::focusWidget(); });
    QTest::keyClick(field, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyClick(menu, Qt::Key_Right);
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_EQ(runs, (std::array<int, 4>{0, 1, 0, 0}));
    EXPECT_EQ(focusDuringCommand, field);
    EXPECT_EQ(menu->activeAction(), nullptr);
}

TEST_F(StyledMainMenuTest, DisabledItemIsEmbossedAndNotHighlighted) {
    items[1]->setEnabled(false);
    const QRect r = itemRect(1);
    QTest::mouseMove(menu, r.center());
    const QImage image = bar();
    int shadow = 0;
    int light = 0;
    int dark = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            shadow += c == QColor(160, 160, 160);
            light += c == QColor(255, 255, 255);
            dark += c.value() < 120;
        }
    // The button-shadow caption over its button-highlight copy, nothing in the enabled black.
    EXPECT_GT(shadow, 0);
    EXPECT_GT(light, 0);
    EXPECT_EQ(dark, 0);
    EXPECT_NE(image.pixelColor(r.topLeft()), hoverFrame);
    QTest::mouseClick(menu, Qt::LeftButton, {}, r.center());
    EXPECT_EQ(runs[1], 0);
}

TEST_F(StyledMainMenuTest, OnlyAnAmpersandUnderlinesACharacter) {
    const QImage plain = bar();
    const QRect before = itemRect(3);
    items[3]->setText(QString::fromUtf8("&Kilépés"));
    QApplication::processEvents();
    ASSERT_EQ(itemRect(3), before); // the ampersand takes no room
    const QImage marked = bar();
    QRect changed;
    for (int y = before.top(); y <= before.bottom(); ++y)
        for (int x = before.left(); x <= before.right(); ++x)
            if (plain.pixelColor(x, y) != marked.pixelColor(x, y))
                changed |= QRect(x, y, 1, 1);
    // The only difference is a short line under the first letter.
    ASSERT_FALSE(changed.isEmpty());
    EXPECT_LE(changed.height(), 2);
    EXPECT_LT(changed.width(), before.width() / 3);
}

TEST_F(StyledMainMenuTest, AssignedStylerIsUsedAndReplacedWhenItGoesAway) {
    auto styler = std::make_unique<TStyledMenuStyler>();
    TStyledRootItem flat;
    flat.Color = platform::rgb(10, 20, 30);
    flat.ColorTo = platform::clNone;
    styler->SetRootItem(flat);
    menu->SetMenuStyler(styler.get());
    EXPECT_EQ(bar().pixelColor(805, 0), QColor(10, 20, 30));
    styler.reset();
    ASSERT_NE(menu->MenuStyler(), nullptr);
    EXPECT_EQ(menu->MenuStyler()->objectName(), "InternalMenuStyler");
    EXPECT_EQ(bar().pixelColor(0, 0), barStart);
    EXPECT_EQ(TStyledMainMenu::Version(), "1.2.3.0");

    // Without owner drawing the platform paints the bar and measures its items.
    const QRect ownerDrawnItem = itemRect(0);
    menu->SetOwnerDraw(false);
    QApplication::processEvents();
    EXPECT_NE(bar().pixelColor(0, 0), barStart);
    EXPECT_NE(itemRect(0), ownerDrawnItem);
    menu->SetOwnerDraw(true);
    QApplication::processEvents();
    EXPECT_EQ(itemRect(0), ownerDrawnItem);
}
