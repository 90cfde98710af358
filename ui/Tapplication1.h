#pragma once

// The application object and the one error display: an error escaping any
// handler is caught at the edge of event delivery and shown in a message box
// opened after that handler has returned; the program goes on.

#include <QApplication>
#include <exception>
#include <functional>

#include "records/Safefile1.h"

class TApplication : public QApplication {
  Q_OBJECT
public:
  TApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// Remembered choices live under the organisation's name, where a player looks
// for them: ~/.config/TileLab/牌理工房.conf, the drill's state in
// ~/.local/share/TileLab/牌理工房/. Versions before kept them without one
// (~/.config/Unknown Organization/牌理工房.conf, ~/.local/share/牌理工房/):
// those are moved over once, when nothing stands in the new place yet.
// configHome and dataHome are the user's configuration and data folders.
void MoveOldSettings(const QString& configHome, const QString& dataHome);

// The product title "牌理工房" at the head of every caption, in the player's language.
QString TitleText();
// A window's caption: the title, two blanks and the window's own name.
QString CaptionText(const QString& name);

// The program's message box: warning icon, OK, the application's name as caption.
// Tests replace the hook to see the text instead of a modal box.
void ShowWarning(const QString& text);
using TWarningHook = std::function<void(const QString&)>;
void SetWarningHook(TWarningHook hook);  // empty restores the message box

// A file error, naming its file, in the player's language.
QString FileErrorText(const TFileError& error);
// Any caught error for the player: a file error worded as above, anything else by its what().
QString ErrorText(const std::exception& error);

// Shows the text of a caught error (std::exception or anything else) at once.
void ShowException(std::exception_ptr error);

// Records a caught error and shows it once control is back in the event loop.
// While its box waits or is open, further errors are not shown again, so a
// handler failing on every repaint cannot raise box after box.
void ReportError(std::exception_ptr error);

// Runs a handler and reports an error escaping it. Slots go through here: Qt
// lets no error pass through a signal.
void RunHandler(const std::function<void()>& handler);

// Connects signal to handler through RunHandler.
template <class Sender, class Signal, class Handler>
void ConnectHandler(Sender* sender, Signal signal, QObject* context, Handler handler) {
  QObject::connect(sender, signal, context, [handler] { RunHandler(handler); });
}
