#include "ui/Tpause1.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QPointer>
#include <QShortcut>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <deque>
#include <functional>
#include <memory>

namespace {

TPauseHook PauseHook;

bool IsMouse(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
      return true;
    default:
      return false;
  }
}

// Everything the player can do to the program; paints, exposes, timers and
// window moves go on as usual. Touch and pen input that no window takes turns
// into mouse events, which are held.
bool IsInput(QEvent::Type type) {
  if (IsMouse(type)) return true;
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
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

// Builds the event again at delivery. A mouse or wheel event keeps its point in
// the pointing device's one live point, which every later event of the device
// moves; so its values are kept and the event is made just before it is sent.
using TMaker = std::function<std::unique_ptr<QEvent>()>;

TMaker Keep(const QEvent* event) {
  if (IsMouse(event->type())) {
    const auto* m = static_cast<const QMouseEvent*>(event);
    return [type = m->type(), local = m->position(), scene = m->scenePosition(), global = m->globalPosition(),
            button = m->button(), buttons = m->buttons(), modifiers = m->modifiers(), device = m->pointingDevice(),
            time = m->timestamp()] {
      auto made = std::make_unique<QMouseEvent>(type, local, scene, global, button, buttons, modifiers, device);
      made->setTimestamp(time);
      return std::unique_ptr<QEvent>(std::move(made));
    };
  }
  if (event->type() == QEvent::Wheel) {
    const auto* w = static_cast<const QWheelEvent*>(event);
    return [local = w->position(), global = w->globalPosition(), pixels = w->pixelDelta(), angle = w->angleDelta(),
            buttons = w->buttons(), modifiers = w->modifiers(), phase = w->phase(), inverted = w->inverted(),
            device = w->pointingDevice(), time = w->timestamp()] {
      auto made = std::make_unique<QWheelEvent>(local, global, pixels, angle, buttons, modifiers, phase, inverted,
                                                Qt::MouseEventNotSynthesized, device);
      made->setTimestamp(time);
      return std::unique_ptr<QEvent>(std::move(made));
    };
  }
  std::shared_ptr<QEvent> copy(event->clone());
  return [copy] { return std::unique_ptr<QEvent>(copy->clone()); };
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
    if (!IsInput(event->type()) || !IsOurs(receiver)) return false;
    if (Depth == 0) {
      // After a pause, new input that comes before the held input is delivered
      // queues behind it. New input enters at a native window or, once its key is
      // matched, as a shortcut; anything else is the event that ran the pause
      // passing on to the parent widgets. While the held input is delivered, a
      // dialog it opens takes input as usual.
      if (Held.empty() || Delivering) return false;
      if (!receiver->isWindowType() && event->type() != QEvent::Shortcut) return false;
    }
    Held.push_back({QPointer<QObject>(receiver), Keep(event)});
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
      if (next.Receiver.isNull()) continue;
      const std::unique_ptr<QEvent> input = next.Make();
      QCoreApplication::sendEvent(next.Receiver.data(), input.get());
    }
    Delivering = false;
  }

private:
  explicit TInputHold(QObject* parent) : QObject(parent) {}

  static inline const QEvent::Type FlushEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

  struct THeld {
    QPointer<QObject> Receiver;
    TMaker Make;
  };
  std::deque<THeld> Held;
  int Depth = 0;
  bool Delivering = false;
  bool FlushPosted = false;
};

}  // namespace

void PauseWindow(QWidget* window, int ms) {
  if (PauseHook)
    PauseHook(window, ms);
  else
    RunPause(window, ms);
}

void RunPause(QWidget* window, int ms) {
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
