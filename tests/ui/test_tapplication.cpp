#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QWidget>
#include <stdexcept>

#include "ui/Tapplication1.h"

namespace {

class ThrowingWidget : public QWidget {
protected:
  void keyPressEvent(QKeyEvent*) override { throw std::runtime_error("ファイル x.csv を作成できません"); }
};

}  // namespace

TEST(TApplication, AnErrorEscapingAHandlerIsShownOnceAndTheProgramGoesOn) {
  QStringList shown;
  SetWarningHook([&](const QString& text) { shown << text; });
  ThrowingWidget w;
  QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
  QApplication::sendEvent(&w, &press);
  QApplication::sendEvent(&w, &press);
  SetWarningHook({});
  ASSERT_EQ(shown.size(), 2);
  EXPECT_EQ(shown[0], QStringLiteral("ファイル x.csv を作成できません"));
}
