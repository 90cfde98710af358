#include "ui/Tkeys1.h"

#include <QKeyEvent>

// Events made up without a time stamp (0) are never taken for repeats by it.
bool TKeyRepeats::Press(const QKeyEvent& event) const {
  const auto released = Released.find(event.key());
  return event.isAutoRepeat() ||
         (event.timestamp() != 0 && released != Released.end() && released->second == event.timestamp());
}

void TKeyRepeats::Release(const QKeyEvent& event) { Released[event.key()] = event.timestamp(); }
