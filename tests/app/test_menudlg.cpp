#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QtCore/qtestsupport_core.h>
#include <functional>
#include <memory>

#include "app/Menudlg1.h"
#include "core/Mjrandom1.h"
#include "core/Mjtable1.h"
#include "ui/Maindlg1.h"
#include "ui/Tagaridlg1.h"
#include "tests/app/start_windows.h"
#include "ui/Viewdlg1.h"

namespace {

// The four windows as start-up makes them, with pauses that do not wait.
class MenuTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { Windows = std::make_unique<TStartWindows>(); }
  static void TearDownTestSuite() { Windows.reset(); }
  static inline std::unique_ptr<TStartWindows> Windows;

  // Clicks a button; while the modal window it opens is up, runs check on it and closes it.
  static void ClickAndInspect(QPushButton* button, QDialog* opened, const std::function<void()>& check) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
      seen = opened->isVisible();
      check();
      opened->close();
    });
    button->click();
    EXPECT_TRUE(seen);
    EXPECT_FALSE(opened->isVisible());
  }

  static bool HandIsOneSuit() {
    const TPaiRow& hand = MainDlg->MjTable().Tepai;
    for (int i = 0; i < 14; ++i)
      if (hand[static_cast<std::size_t>(i)] && hand[static_cast<std::size_t>(i)]->GetCode() > 9) return false;
    return true;
  }
};

}  // namespace

TEST_F(MenuTest, CreationSetsCaptionsSizeAndSeed) {
  EXPECT_EQ(MenuDlg->windowTitle(), QStringLiteral("牌理工房  メニュー"));
  EXPECT_EQ(MenuDlg->size(), QSize(321, 172));
  EXPECT_EQ(MenuDlg->BnMain->text(), QStringLiteral("一人麻雀"));
  EXPECT_EQ(MenuDlg->BnView->text(), QStringLiteral("牌譜"));
  EXPECT_EQ(MenuDlg->BnTinitu->text(), QStringLiteral("清一色"));
  EXPECT_EQ(MenuDlg->BnView2->text(), QStringLiteral("捨牌読み"));
  EXPECT_EQ(MenuDlg->BnExit->text(), QStringLiteral("終了"));
  EXPECT_EQ(MenuDlg->StaticText1->text(), QStringLiteral("牌理工房"));
  EXPECT_EQ(MenuDlg->BnView2->geometry(), QRect(170, 98, 129, 25));
  EXPECT_FALSE(MenuDlg->Image1->pixmap().isNull());

  // Seeded with the clock's seconds: the same state as seeding by hand.
  TMjRandom expected;
  expected.Seed(1234567890u);
  TMenuDlg other([] { return std::int64_t(1234567890); });
  EXPECT_EQ(Random.State, expected.State);
}

TEST_F(MenuTest, ButtonsOpenThePracticeWindowInTheirMode) {
  ClickAndInspect(MenuDlg->BnMain, MainDlg, [] {
    EXPECT_EQ(MainDlg->windowTitle(), QStringLiteral("牌理工房  一人麻雀"));
    EXPECT_FALSE(MainDlg->Tinitu());
    // The opening runs once the window is on the screen.
    EXPECT_TRUE(QTest::qWaitFor([] { return MainDlg->MjTable().TumoCount == 1; }));
  });
  ClickAndInspect(MenuDlg->BnTinitu, MainDlg, [this] {
    EXPECT_EQ(MainDlg->windowTitle(), QStringLiteral("牌理工房  清一色"));
    EXPECT_TRUE(MainDlg->Tinitu());
    EXPECT_TRUE(QTest::qWaitFor([] { return MainDlg->MjTable().TumoCount == 1; }));
    EXPECT_TRUE(HandIsOneSuit());
  });
  ClickAndInspect(MenuDlg->BnMain, MainDlg, [] { EXPECT_FALSE(MainDlg->Tinitu()); });
}

TEST_F(MenuTest, ButtonsOpenTheViewerInTheirMode) {
  ClickAndInspect(MenuDlg->BnView, ViewDlg, [] {
    EXPECT_EQ(ViewDlg->windowTitle(), QStringLiteral("牌理工房  牌譜"));
    EXPECT_TRUE(ViewDlg->Open1->isVisible());
    EXPECT_FALSE(ViewDlg->MnRandOpen->isVisible());
  });
  ClickAndInspect(MenuDlg->BnView2, ViewDlg, [] {
    EXPECT_EQ(ViewDlg->windowTitle(), QStringLiteral("牌理工房  捨牌読み"));
    EXPECT_FALSE(ViewDlg->Open1->isVisible());
    EXPECT_TRUE(ViewDlg->MnRandOpen->isVisible());
  });
}

TEST_F(MenuTest, CaptionFollowsTheButtonAtTheMomentOfTheClick) {
  MenuDlg->BnTinitu->setText(QStringLiteral("ちんいつ"));
  ClickAndInspect(MenuDlg->BnTinitu, MainDlg,
                  [] { EXPECT_EQ(MainDlg->windowTitle(), QStringLiteral("牌理工房  ちんいつ")); });
  MenuDlg->BnTinitu->setText(QStringLiteral("清一色"));
}

// Focus starts on the first mode button; Tab walks the buttons in their order;
// Return and Space press the focused one.
TEST_F(MenuTest, TheKeyboardReachesAndPressesEveryButton) {
  MenuDlg->show();
  MenuDlg->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(MenuDlg));
  EXPECT_EQ(QApplication::focusWidget(), MenuDlg->BnMain);

  const std::vector<QWidget*> order = {MenuDlg->BnView, MenuDlg->BnTinitu, MenuDlg->BnView2, MenuDlg->BnExit,
                                       MenuDlg->BnMain};
  for (QWidget* next : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next);
  }

  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
    bool opened = false;
    QTimer::singleShot(0, [&] {
      opened = MainDlg->isVisible();
      MainDlg->close();
    });
    QTest::keyClick(MenuDlg->BnMain, key);
    EXPECT_TRUE(opened) << key;
  }
  MenuDlg->hide();
}

// Start-up maps the menu before its labels and buttons are shown and named; once
// show() returns it looks exactly as a menu made whole, focus included.
TEST_F(MenuTest, AMenuFilledInAfterTheMapLooksTheSame) {
  TMenuDlg whole([] { return std::int64_t(1); });
  TMenuDlg later([] { return std::int64_t(1); }, nullptr, TMenuDlg::TContents::AfterMap);
  EXPECT_TRUE(later.BnMain->text().isEmpty());
  EXPECT_TRUE(later.BnMain->isHidden());
  QImage seen[2];
  for (TMenuDlg* menu : {&later, &whole}) {
    menu->show();
    menu->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu));
    EXPECT_EQ(QApplication::focusWidget(), menu->BnMain);
    seen[menu == &whole] = menu->grab().toImage();
    menu->hide();
  }
  EXPECT_EQ(seen[0], seen[1]);
  EXPECT_EQ(later.windowTitle(), whole.windowTitle());
}
