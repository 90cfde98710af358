#include "ui/Tapplication1.h"

#include <QMessageBox>
#include <QMetaObject>

namespace {

TWarningHook WarningHook;
bool ErrorShown = false;  // a reported error's box waits to open or is open

// The plain code reports its failures in Japanese, a file name inside; these
// show in the player's language with the name kept.
const char* const FileMessages[] = {
    QT_TRANSLATE_NOOP("TApplication", "ファイル %1 を作成できません"),
    QT_TRANSLATE_NOOP("TApplication", "ファイル %1 は開けません"),
    QT_TRANSLATE_NOOP("TApplication", "ファイル %1 は読み込めません"),
    QT_TRANSLATE_NOOP("TApplication", "リストのインデックスが範囲を超えています (%1)"),
};

}  // namespace

QString TranslatedMessage(const QString& message) {
  for (const char* source : FileMessages) {
    const QString pattern = QString::fromUtf8(source);
    const QString head = pattern.section(QStringLiteral("%1"), 0, 0);
    const QString tail = pattern.section(QStringLiteral("%1"), 1);
    const qsizetype nameLength = message.size() - head.size() - tail.size();
    if (nameLength >= 0 && message.startsWith(head) && message.endsWith(tail))
      return QCoreApplication::translate("TApplication", source).arg(message.mid(head.size(), nameLength));
  }
  return message;
}

QString TitleText() { return QCoreApplication::translate("TApplication", "牌理工房"); }

QString CaptionText(const QString& name) { return TitleText() + QStringLiteral("  ") + name; }

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
  QMessageBox box(QMessageBox::Warning, TitleText(), text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

void SetWarningHook(TWarningHook hook) { WarningHook = std::move(hook); }

void ShowException(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    ShowWarning(TranslatedMessage(QString::fromUtf8(e.what())));
  } catch (...) {
    ShowWarning(QCoreApplication::translate("TApplication", "不明なエラーが発生しました。"));
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
