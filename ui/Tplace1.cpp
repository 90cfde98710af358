#include "ui/Tplace1.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

long long Area(const QRect& r) { return r.isEmpty() ? 0 : 1LL * r.width() * r.height(); }

QRect At(const QRect& owner, TSide side, const QSize& frame, int gap) {
  switch (side) {
    case TSide::Right: return {QPoint(owner.right() + 1 + gap, owner.top()), frame};
    case TSide::Left: return {QPoint(owner.left() - gap - frame.width(), owner.top()), frame};
    case TSide::Below:
      return {QPoint(owner.left() + (owner.width() - frame.width()) / 2, owner.bottom() + 1 + gap), frame};
    case TSide::Above:
      return {QPoint(owner.left() + (owner.width() - frame.width()) / 2, owner.top() - gap - frame.height()), frame};
  }
  return {owner.topLeft(), frame};
}

// The largest n in [least, most] for which fits(n) holds, fits being true up to
// some n and false beyond it.
template <class F>
std::optional<int> Largest(int least, int most, F fits) {
  if (least > most || !fits(least)) return std::nullopt;
  while (least < most) {
    const int mid = least + (most - least + 1) / 2;
    if (fits(mid))
      least = mid;
    else
      most = mid - 1;
  }
  return least;
}

}  // namespace

QPoint KeepOnDesk(const QRect& desk, const QPoint& topLeft, const QSize& frame) {
  return {std::max(desk.left(), std::min(topLeft.x(), desk.right() + 1 - frame.width())),
          std::max(desk.top(), std::min(topLeft.y(), desk.bottom() + 1 - frame.height()))};
}

QSize FitOnDesk(const QRect& desk, const QSize& wanted, const QSize& least) {
  return wanted.boundedTo(desk.size()).expandedTo(least);
}

TPlacement PlaceBeside(const QRect& desk, const QRect& owner, const std::vector<QRect>& placed, const TBeside& window,
                       int gap) {
  // What of a window lies off the desktop is not counted: the window system
  // keeps windows on it, and a frame may be a few pixels taller than foreseen.
  std::vector<QRect> others{owner};
  for (const QRect& r : placed) others.push_back(r.intersected(desk).isEmpty() ? r : r.intersected(desk));
  QRect group;
  for (const QRect& r : others) group = group.united(r);
  auto clear = [&](const QRect& r) {
    return std::none_of(others.begin(), others.end(), [&](const QRect& o) { return r.intersects(o); });
  };
  // The shift that brings the group with r onto the desktop, when it fits there.
  auto shifted = [&](const QRect& r) -> std::optional<QPoint> {
    const QRect both = group.united(r);
    if (!clear(r) || both.width() > desk.width() || both.height() > desk.height()) return std::nullopt;
    return KeepOnDesk(desk, both.topLeft(), both.size()) - both.topLeft();
  };

  for (const TSide side : window.Sides) {
    const QRect r = At(owner, side, window.Wanted, gap);
    if (desk.contains(r) && clear(r)) return {{}, r};
  }
  for (const TSide side : window.Sides) {
    const QRect r = At(owner, side, window.Wanted, gap);
    if (const auto shift = shifted(r)) return {*shift, r.translated(*shift)};
  }
  // Shrunk: the height first, which a table gives up by scrolling, then the width.
  std::optional<QRect> best;
  QPoint bestShift;
  for (const TSide side : window.Sides) {
    auto fits = [&](int w, int h) { return shifted(At(owner, side, QSize(w, h), gap)).has_value(); };
    const QSize least = window.Least.boundedTo(window.Wanted);
    int w = window.Wanted.width();
    std::optional<int> h = Largest(least.height(), window.Wanted.height(), [&](int n) { return fits(w, n); });
    if (!h) {
      const auto narrow = Largest(least.width(), w, [&](int n) { return fits(n, least.height()); });
      if (!narrow) continue;
      w = *narrow;
      h = Largest(least.height(), window.Wanted.height(), [&](int n) { return fits(w, n); });
    }
    const QRect r = At(owner, side, QSize(w, *h), gap);
    if (!best || Area(r) > Area(*best)) {
      best = r;
      bestShift = *shifted(r);
    }
  }
  if (best) return {bestShift, best->translated(bestShift)};

  // No room anywhere: the window at its least, the group at one edge of the
  // desktop and the window at the other, on the side where it covers least.
  const QSize frame = window.Least.boundedTo(window.Wanted).boundedTo(desk.size());
  TPlacement least{{}, QRect(KeepOnDesk(desk, owner.topLeft(), frame), frame)};
  long long covered = -1;
  for (const TSide side : window.Sides) {
    const QRect r = At(owner, side, frame, gap);
    const QRect both = group.united(r);
    QPoint shift = KeepOnDesk(desk, both.topLeft(), both.size()) - both.topLeft();
    shift += KeepOnDesk(desk, owner.topLeft() + shift, owner.size()) - (owner.topLeft() + shift);
    const QRect placedWindow(KeepOnDesk(desk, r.topLeft() + shift, frame), frame);
    long long area = 0;
    for (const QRect& o : others) area += Area(o.translated(shift).intersected(placedWindow));
    if (covered < 0 || area < covered) {
      covered = area;
      least = {shift, placedWindow};
    }
  }
  return least;
}

QPoint PlaceAside(const QRect& desk, const QRect& window, const std::vector<QRect>& keepClear, int gap) {
  const QSize frame = window.size();
  std::vector<QPoint> places{KeepOnDesk(desk, window.topLeft(), frame)};
  for (const QRect& r : keepClear) {
    places.push_back({r.right() + 1 + gap, window.top()});
    places.push_back({r.left() - gap - frame.width(), window.top()});
    places.push_back({window.left(), r.bottom() + 1 + gap});
    places.push_back({window.left(), r.top() - gap - frame.height()});
  }
  for (const QPoint corner : {desk.topLeft(), desk.topRight(), desk.bottomLeft(), desk.bottomRight()})
    places.push_back(corner);
  QPoint best = places.front();
  long long leastCovered = -1;
  int nearest = 0;
  for (QPoint p : places) {
    p = KeepOnDesk(desk, p, frame);
    const QRect r(p, frame);
    long long covered = 0;
    for (const QRect& k : keepClear) covered += Area(k.intersected(r));
    const int distance = std::abs(p.x() - window.left()) + std::abs(p.y() - window.top());
    if (leastCovered < 0 || covered < leastCovered || (covered == leastCovered && distance < nearest)) {
      leastCovered = covered;
      nearest = distance;
      best = p;
    }
  }
  return best;
}
