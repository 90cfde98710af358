#pragma once

// The application object: the one place where an error escaping an event
// handler is caught and shown, after which the program goes on.

#include <QApplication>
#include <functional>

class TApplication : public QApplication {
  Q_OBJECT
public:
  TApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// The program's message box: warning icon, OK, the application's name as caption.
// Tests replace the hook to see the text instead of a modal box.
void ShowWarning(const QString& text);
using TWarningHook = std::function<void(const QString&)>;
void SetWarningHook(TWarningHook hook);  // empty restores the message box

// Shows the text of a caught error (std::exception or anything else).
void ShowException(std::exception_ptr error);
