#include <gtest/gtest.h>

#include <QAction>
#include <QKeyEvent>
#include <QWidget>
#include <stdexcept>

#include "ui/Tapplication1.h"

namespace {

class ThrowingWidget : public QWidget {
protected:
  void keyPressEvent(QKeyEvent*) override { throw std::runtime_error("ファイル x.csv を作成できません"); }
};

void Key(QWidget& w) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
  QApplication::sendEvent(&w, &press);
}

}  // namespace

// The box opens after the failing handler returned, once however often the
// handler fails meanwhile or while the box is open (a paint that fails on every
// repaint); the next failure after it is shown again.
TEST(TApplication, AnErrorEscapingAHandlerIsShownOnceAfterItAndTheProgramGoesOn) {
  ThrowingWidget w;
  QStringList shown;
  SetWarningHook([&](const QString& text) {
    shown << text;
    Key(w);  // fails again while the box is open
    QCoreApplication::sendPostedEvents();
  });
  Key(w);
  EXPECT_TRUE(shown.isEmpty()) << "not inside the handler";
  Key(w);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(shown, QStringList{QStringLiteral("ファイル x.csv を作成できません")});
  Key(w);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(shown.size(), 2);
  SetWarningHook({});
}

// Signals let no error pass: a menu item's handler reports its own.
TEST(TApplication, AConnectedHandlerReportsItsError) {
  QStringList shown;
  SetWarningHook([&](const QString& text) { shown << text; });
  QAction item(nullptr);
  ConnectHandler(&item, &QAction::triggered, &item, [] { throw 42; });
  item.trigger();
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(shown, QStringList{QStringLiteral("不明なエラーが発生しました。")});
  SetWarningHook({});
}
