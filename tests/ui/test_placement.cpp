// Where a window goes beside the window it explains: on the free desktop,
// beside and not over its owner wherever the screen allows.

#include <gtest/gtest.h>

#include "ui/Ttiledlg1.h"

namespace {

struct TCase {
  const char* Name;
  QRect Desk;
  QRect Owner;
  QSize Frame;
  std::vector<TSide> Sides;
  QPoint Owner2;  // where the owner ends up
  QPoint Window;
};

constexpr int Gap = 8;

}  // namespace

TEST(Placement, BesideTheOwnerOnTheDesktop) {
  const QRect desk(0, 0, 1024, 740);  // a 1024×768 screen less a panel
  const TCase cases[] = {
      {"room right", desk, QRect(100, 100, 400, 150), QSize(300, 500), {TSide::Right, TSide::Left},
       {100, 100}, {508, 100}},
      {"no room right: left", desk, QRect(600, 100, 300, 150), QSize(300, 500), {TSide::Right, TSide::Left},
       {600, 100}, {292, 100}},
      // The practice window centred on 1024 pixels, the analysis window 368 wide:
      // neither side has room until the practice window moves left.
      {"owner moves to make room", desk, QRect(243, 300, 537, 160), QSize(368, 560), {TSide::Right, TSide::Left},
       {111, 180}, {656, 180}},
      {"below, centred", desk, QRect(300, 100, 400, 200), QSize(200, 100), {TSide::Below}, {300, 100}, {400, 308}},
      {"below, the owner moves up", desk, QRect(300, 400, 400, 200), QSize(200, 300), {TSide::Below},
       {300, 232}, {400, 440}},
      {"too short for below: right", desk, QRect(0, 100, 500, 500), QSize(400, 300),
       {TSide::Below, TSide::Above, TSide::Right}, {0, 100}, {508, 100}},
      {"a desktop with an offset", QRect(1024, 30, 800, 600), QRect(1400, 50, 300, 100), QSize(200, 100),
       {TSide::Right, TSide::Left}, {1400, 50}, {1192, 50}},
      // No side has room: the owner stays and the window covers least of it.
      {"no room anywhere", desk, QRect(0, 0, 800, 700), QSize(300, 300), {TSide::Right, TSide::Below},
       {0, 0}, {724, 0}},
      // Larger than the desktop: its top left stays on it, title bar in reach.
      {"larger than the desktop", desk, QRect(100, 100, 400, 150), QSize(1100, 800), {TSide::Right, TSide::Below},
       {100, 100}, {0, 0}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const TPlacement placed = PlaceBeside(c.Desk, c.Owner, c.Frame, c.Sides, Gap);
    EXPECT_EQ(placed.Owner, c.Owner2);
    EXPECT_EQ(placed.Window, c.Window);
    const QRect window(placed.Window, c.Frame);
    if (c.Frame.width() <= c.Desk.width() && c.Frame.height() <= c.Desk.height()) {
      EXPECT_TRUE(c.Desk.contains(window)) << "on the desktop";
    } else {
      EXPECT_TRUE(c.Desk.contains(window.topLeft()));
    }
    EXPECT_TRUE(c.Desk.contains(QRect(placed.Owner, c.Owner.size())) || placed.Owner == c.Owner.topLeft());
  }
}
