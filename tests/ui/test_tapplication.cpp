#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTemporaryDir>
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

// Settings go under the organisation's name; those of the versions before,
// kept under "Unknown Organization", and the drill's folder move over once.
TEST(TApplication, SettingsLiveUnderTileLabAndOldOnesMoveOverOnce) {
  EXPECT_EQ(QCoreApplication::organizationName().toStdString(), "TileLab");
  EXPECT_EQ(QCoreApplication::applicationName().toStdString(), "牌理工房");

  const QTemporaryDir home;  // stands for ~/.config and ~/.local/share
  const QString config = home.path() + QStringLiteral("/config");
  const QString data = home.path() + QStringLiteral("/data");
  const QString oldFile = config + QStringLiteral("/Unknown Organization/牌理工房.conf");
  const QString newFile = config + QStringLiteral("/TileLab/牌理工房.conf");
  auto write = [](const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  };
  auto read = [](const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
  };
  write(oldFile, "[Practice]\nSeatWind=2\n");
  write(data + QStringLiteral("/牌理工房/drill-0123.txt"), "state");
  MoveOldSettings(config, data);
  EXPECT_EQ(read(newFile), QByteArray("[Practice]\nSeatWind=2\n"));
  EXPECT_FALSE(QFileInfo::exists(oldFile));
  EXPECT_EQ(read(data + QStringLiteral("/TileLab/牌理工房/drill-0123.txt")), QByteArray("state"));
  EXPECT_FALSE(QFileInfo::exists(data + QStringLiteral("/牌理工房")));

  // Once: an old file that turns up again never replaces the settings in use.
  write(oldFile, "[Practice]\nSeatWind=3\n");
  MoveOldSettings(config, data);
  EXPECT_EQ(read(newFile), QByteArray("[Practice]\nSeatWind=2\n"));
  MoveOldSettings(home.path() + QStringLiteral("/nothing"), data);  // nothing there: nothing made
  EXPECT_FALSE(QFileInfo::exists(home.path() + QStringLiteral("/nothing")));
}
