#pragma once

// Held keys: every window tells a key's first press from the window system's
// repeats with this, so a held key acts once (the arrows, Home and End, which
// move, may act on every repeat).

#include <map>

class QKeyEvent;

// Tells a key's first press from the window system's repeats while it is held.
// Qt's own flag misses many repeats under X11 (it looks for the repeat's press
// before it has arrived); but a repeat's release and press share their time stamp.
// A window shows it every key release it gets and asks it of every press.
class TKeyRepeats {
public:
  bool Press(const QKeyEvent& event) const;  // true for a repeat
  void Release(const QKeyEvent& event);

private:
  std::map<int, unsigned long long> Released;  // each key's last release time
};
