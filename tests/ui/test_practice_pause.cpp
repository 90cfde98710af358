// The practice pause: input that arrives while it waits is held back and then
// delivered in the order it came; painting and timers go on meanwhile. The
// pauses here last a few milliseconds.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <functional>

#include "ui/Tpause1.h"

namespace {

class Recorder : public QWidget {
public:
  QStringList Log;
  int Paints = 0;
  std::function<void(int key)> OnKey;

protected:
  void keyPressEvent(QKeyEvent* event) override {
    Log << QStringLiteral("key %1").arg(QKeySequence(event->key()).toString());
    if (OnKey) OnKey(event->key());
  }
  void mousePressEvent(QMouseEvent* event) override {
    Log << QStringLiteral("press %1,%2").arg(event->position().x()).arg(event->position().y());
  }
  void closeEvent(QCloseEvent* event) override {
    Log << QStringLiteral("close");
    event->accept();
  }
  void paintEvent(QPaintEvent*) override { ++Paints; }
};

void Key(QObject* w, Qt::Key key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(w, &press);
}

void Press(QWidget* w, int x, int y) {
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(x, y), w->mapToGlobal(QPointF(x, y)), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w, &press);
}

// The window system's close request goes to the native window, as the title bar's close would.
void Close(QWidget* w) {
  QCloseEvent close;
  QApplication::sendEvent(w->windowHandle(), &close);
}

TEST(Pause, InputIsHeldAndDeliveredInOrderWhilePaintingGoesOn) {
  Recorder w;
  w.resize(50, 50);
  w.show();
  QApplication::processEvents();
  auto* key = new QShortcut(QKeySequence(Qt::Key_F5), &w);
  QObject::connect(key, &QShortcut::activated, &w, [&] { w.Log << QStringLiteral("F5"); });

  QStringList duringPause;
  int paintsBefore = 0;
  QTimer::singleShot(0, &w, [&] {
    paintsBefore = w.Paints;
    Key(&w, Qt::Key_A);
    Press(&w, 3, 4);
    QShortcutEvent shortcut(QKeySequence(Qt::Key_F5), 0);
    QApplication::sendEvent(key, &shortcut);
    Key(&w, Qt::Key_B);
    Close(&w);
    duringPause = w.Log;
    w.update();
  });
  PauseWindow(&w, 5);

  EXPECT_TRUE(duringPause.isEmpty());
  EXPECT_TRUE(w.Log.isEmpty()) << "nothing is delivered inside the step that paused";
  EXPECT_GT(w.Paints, paintsBefore) << "the window painted during the pause";
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(InputHeld());

  // Input that comes after the pause but before the held input is delivered waits behind it.
  Key(w.windowHandle(), Qt::Key_C);
  EXPECT_TRUE(w.Log.isEmpty());

  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(w.Log, (QStringList{"key A", "press 3,4", "F5", "key B", "close", "key C"}));
  EXPECT_FALSE(w.isVisible()) << "the close request was answered";
  EXPECT_FALSE(InputHeld());

  Key(&w, Qt::Key_D);
  EXPECT_EQ(w.Log.last(), QStringLiteral("key D")) << "no pause: input goes straight through";
}

// A held key whose handler pauses again: input of that second pause queues
// behind the rest of the first pause's input.
TEST(Pause, APauseInsideDeliveredInputKeepsTheOrder) {
  Recorder w;
  w.resize(50, 50);
  w.show();
  w.OnKey = [&](int key) {
    if (key != Qt::Key_P) return;
    QTimer::singleShot(0, &w, [&] { Key(&w, Qt::Key_Z); });
    PauseWindow(&w, 2);
  };
  QTimer::singleShot(0, &w, [&] {
    Key(&w, Qt::Key_P);
    Key(&w, Qt::Key_Q);
  });
  PauseWindow(&w, 2);
  EXPECT_TRUE(w.Log.isEmpty());
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(w.Log, (QStringList{"key P", "key Q", "key Z"}));
  QCoreApplication::sendPostedEvents();
  EXPECT_FALSE(InputHeld());
}

}  // namespace
