#include "ui/Tapplication1.h"

#include <QMessageBox>
#include <exception>

namespace {
TWarningHook WarningHook;
}

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("牌理工房"));
  setApplicationDisplayName(QStringLiteral("牌理工房"));
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    ShowException(std::current_exception());
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
