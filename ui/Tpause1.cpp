#include "ui/Tpause1.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QShortcut>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <deque>
#include <memory>

namespace {

TPauseHook PauseHook;

// Everything the player can do to the program; paints, exposes, timers and
// window moves go on as usual.
bool IsInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::Close:
      return true;
    default:
      return false;
  }
}

// Shortcuts reach QShortcut and QAction objects, not widgets, once the key
// has been matched; holding them there keeps F2, F5 and F6 in their place.
bool IsOurs(QObject* receiver) {
  return receiver->isWidgetType() || receiver->isWindowType() || qobject_cast<QShortcut*>(receiver) != nullptr ||
         qobject_cast<QAction*>(receiver) != nullptr;
}

class TInputHold final : public QObject {
public:
  static TInputHold& Instance() {
    static QPointer<TInputHold> hold;
    if (hold.isNull()) {
      hold = new TInputHold(QCoreApplication::instance());
      QCoreApplication::instance()->installEventFilter(hold);
    }
    return *hold;
  }

  void Begin() { ++Depth; }

  void End() {
    --Depth;
    if (Depth == 0 && !Held.empty() && !FlushPosted) {
      FlushPosted = true;
      QCoreApplication::postEvent(this, new QEvent(FlushEvent));
    }
  }

  bool Waiting() const { return !Held.empty(); }

protected:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    // After a pause, input that comes before the held input is delivered queues
    // behind it; while it is being delivered (Depth 0) a dialog it opens works.
    const bool holding = Depth > 0 || (!Held.empty() && !Delivering);
    if (!holding || !IsInput(event->type()) || !IsOurs(receiver)) return false;
    Held.push_back({QPointer<QObject>(receiver), std::unique_ptr<QEvent>(event->clone())});
    // A close request is not answered yet; the held copy answers it later.
    if (event->type() == QEvent::Close)
      event->ignore();
    else
      event->accept();
    return true;
  }

  void customEvent(QEvent* event) override {
    if (event->type() != FlushEvent) return;
    FlushPosted = false;
    // A pause that is running posts again when it ends; a delivery under way takes everything.
    if (Depth > 0 || Delivering) return;
    Delivering = true;
    while (!Held.empty()) {
      THeld next = std::move(Held.front());
      Held.pop_front();
      if (!next.Receiver.isNull()) QCoreApplication::sendEvent(next.Receiver.data(), next.Event.get());
    }
    Delivering = false;
  }

private:
  explicit TInputHold(QObject* parent) : QObject(parent) {}

  static inline const QEvent::Type FlushEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

  struct THeld {
    QPointer<QObject> Receiver;
    std::unique_ptr<QEvent> Event;
  };
  std::deque<THeld> Held;
  int Depth = 0;
  bool Delivering = false;
  bool FlushPosted = false;
};

}  // namespace

void PauseWindow(QWidget* window, int ms) {
  if (PauseHook) {
    PauseHook(window, ms);
    return;
  }
  // What the flow drew must be on the screen before the wait starts.
  if (window != nullptr) window->repaint();
  TInputHold& hold = TInputHold::Instance();
  hold.Begin();
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
  hold.End();
}

void SetPauseHook(TPauseHook hook) { PauseHook = std::move(hook); }

bool InputHeld() { return TInputHold::Instance().Waiting(); }
