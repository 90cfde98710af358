// The yardstick for start-up: the least a Qt Widgets program does to show one
// empty window of the menu's client size.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("bare window"));  // found by name, as the menu is
  window.setFixedSize(321, 172);
  window.show();
  return app.exec();
}
