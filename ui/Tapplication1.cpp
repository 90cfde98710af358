#include "ui/Tapplication1.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QMetaObject>

namespace {

TWarningHook WarningHook;
bool ErrorShown = false;  // a reported error's box waits to open or is open

}  // namespace

QString FileErrorText(const TFileError& error) {
  const QString path = QString::fromStdString(error.Path);
  switch (error.Fault) {
    case TFileFault::Create:
      return QCoreApplication::translate("TApplication", "ファイル %1 を作成できません").arg(path);
    case TFileFault::Open: return QCoreApplication::translate("TApplication", "ファイル %1 は開けません").arg(path);
    case TFileFault::Read: return QCoreApplication::translate("TApplication", "ファイル %1 は読み込めません").arg(path);
    case TFileFault::MissingLine: break;
  }
  return QCoreApplication::translate("TApplication", "リストのインデックスが範囲を超えています (%1)").arg(error.Line);
}

QString ErrorText(const std::exception& error) {
  if (const auto* file = dynamic_cast<const TFileError*>(&error)) return FileErrorText(*file);
  return QString::fromUtf8(error.what());
}

void MoveOldSettings(const QString& configHome, const QString& dataHome) {
  const QString name = QCoreApplication::applicationName();
  const QString organisation = QCoreApplication::organizationName();
  auto move = [](const QString& from, const QString& to) {
    if (!QFileInfo::exists(from) || QFileInfo::exists(to)) return;
    QDir().mkpath(QFileInfo(to).absolutePath());
    QDir().rename(from, to);
  };
  move(configHome + QStringLiteral("/Unknown Organization/") + name + QStringLiteral(".conf"),
       configHome + QLatin1Char('/') + organisation + QLatin1Char('/') + name + QStringLiteral(".conf"));
  move(dataHome + QLatin1Char('/') + name, dataHome + QLatin1Char('/') + organisation + QLatin1Char('/') + name);
}

QString TitleText() { return QCoreApplication::translate("TApplication", "牌理工房"); }

QString CaptionText(const QString& name) { return TitleText() + QStringLiteral("  ") + name; }

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // The name captions the message boxes. No display name: the window system
  // would append it to every window's title.
  setOrganizationName(QStringLiteral("TileLab"));
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
    ShowWarning(ErrorText(e));
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
