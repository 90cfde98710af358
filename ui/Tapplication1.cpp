#include "ui/Tapplication1.h"

#include <QMessageBox>
#include <QMetaObject>

namespace {
TWarningHook WarningHook;
bool ErrorShown = false;  // a reported error's box waits to open or is open
}

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // The name captions the message boxes. No display name: the window system
  // would append it to every window's title.
  setApplicationName(QStringLiteral("牌理工房"));
  setDesktopFileName(QStringLiteral("tilelab"));  // the desktop entry tilelab.desktop
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    ReportError(std::current_exception());
    return false;
  }
}

void ShowWarning(const QString& text) {
  if (WarningHook) {
    WarningHook(text);
    return;
  }
  QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

void SetWarningHook(TWarningHook hook) { WarningHook = std::move(hook); }

void ShowException(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    ShowWarning(QString::fromUtf8(e.what()));
  } catch (...) {
    ShowWarning(QStringLiteral("不明なエラーが発生しました。"));
  }
}

// The box opens from the event loop, not inside the failing handler, whose
// window may be half-way through a paint or a step.
void ReportError(std::exception_ptr error) {
  if (ErrorShown || QCoreApplication::instance() == nullptr) return;
  ErrorShown = true;
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [error] {
        struct TReset {
          ~TReset() { ErrorShown = false; }
        } reset;
        ShowException(error);
      },
      Qt::QueuedConnection);
}

void RunHandler(const std::function<void()>& handler) {
  try {
    handler();
  } catch (...) {
    ReportError(std::current_exception());
  }
}
