// Where a window goes beside the window it explains: on the free desktop,
// beside and not over its owner wherever the screen allows.

#include <gtest/gtest.h>

#include "ui/Tplace1.h"

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
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const TPlacement placed = PlaceBeside(c.Desk, c.Owner, {}, {c.Frame, c.Frame, c.Sides}, Gap);
    EXPECT_EQ(c.Owner.topLeft() + placed.Shift, c.Owner2);
    EXPECT_EQ(placed.Window.topLeft(), c.Window);
    EXPECT_EQ(placed.Window.size(), c.Frame);
    EXPECT_TRUE(c.Desk.contains(placed.Window)) << "on the desktop";
    EXPECT_TRUE(c.Desk.contains(c.Owner.translated(placed.Shift)) || placed.Shift.isNull());
  }
}

// 1920×1080 at scale 2 is a desktop of 960×540. The practice window (531×151
// with its frame) is centred; the analysis window wants 485×721 and can shrink
// to 485×365, its table scrolling. Neither side holds it; below, it gets the
// 381 pixels under the practice window, which moves to the top.
TEST(Placement, AWindowTooTallForAnySideShrinksWhereItFitsLargest) {
  const QRect desk(0, 0, 960, 540);
  const QRect practice(214, 194, 531, 151);
  const TBeside analysis{{485, 721}, {485, 365}, {TSide::Right, TSide::Left, TSide::Below, TSide::Above}};
  const TPlacement placed = PlaceBeside(desk, practice, {}, analysis, Gap);
  EXPECT_EQ(placed.Shift, QPoint(0, -194));
  EXPECT_EQ(placed.Window, QRect(237, 159, 485, 381));

  // The waits window (314×53) wants to go below; the analysis window is there,
  // above is off the desktop, so it goes right, the group moving left for it.
  const QRect owner = practice.translated(placed.Shift);
  const TBeside waits{{314, 53}, {314, 53}, {TSide::Below, TSide::Above, TSide::Right, TSide::Left}};
  const TPlacement second = PlaceBeside(desk, owner, {placed.Window}, waits, Gap);
  EXPECT_EQ(second.Shift, QPoint(-107, 0));
  EXPECT_EQ(second.Window, QRect(646, 0, 314, 53));
  EXPECT_FALSE(second.Window.intersects(placed.Window.translated(second.Shift)));

  // Not even the least height fits: cut to the desktop, title bar in reach.
  const TBeside tall{{485, 900}, {485, 600}, {TSide::Below}};
  const TPlacement over = PlaceBeside(desk, practice, {}, tall, Gap);
  EXPECT_EQ(over.Shift, QPoint(0, -194));
  EXPECT_EQ(over.Window, QRect(237, 0, 485, 540));
}

// 1920×1080 at scale 2: the viewer (531×180) and the review, at least 642×383,
// do not fit one over the other. The viewer goes to the top, the review at its
// least to the foot of the desktop, covering 23 lines of the viewer: less than
// beside it, where it would cover 213 columns.
TEST(Placement, WithoutRoomTheWindowCoversTheLeastOfTheGroup) {
  const QRect desk(0, 0, 960, 540);
  const TBeside review{{642, 552}, {642, 383}, {TSide::Below, TSide::Above, TSide::Right, TSide::Left}};
  const TPlacement placed = PlaceBeside(desk, QRect(205, 136, 531, 180), {}, review, Gap);
  EXPECT_EQ(placed.Shift, QPoint(0, -136));
  EXPECT_EQ(placed.Window, QRect(150, 157, 642, 383));  // 205 + (531 - 642) / 2, rounded towards the owner
}

TEST(Placement, AWindowNarrowsWhenItsHeightAloneDoesNotFit) {
  const QRect desk(0, 0, 1000, 600);
  // 400 pixels are left right of the owner; the window may narrow to 300.
  const TBeside wide{{500, 300}, {300, 200}, {TSide::Right}};
  const TPlacement placed = PlaceBeside(desk, QRect(0, 0, 592, 600), {}, wide, Gap);
  EXPECT_EQ(placed.Window, QRect(600, 0, 400, 300));
}

// The waiting menu goes where it covers none of the windows it opened, the
// nearest such place; with no such place, where it covers least.
TEST(Placement, TheMenuStepsAsideNearestWhereItWas) {
  const QRect desk(0, 0, 960, 540);
  const std::vector<QRect> group{QRect(107, 0, 531, 151), QRect(130, 159, 485, 381), QRect(646, 0, 314, 53)};
  // Over the analysis window's table: right of it, at the same height.
  EXPECT_EQ(PlaceAside(desk, QRect(318, 173, 323, 193), group, Gap), QPoint(623, 173));
  // Covering nothing: it stays.
  EXPECT_EQ(PlaceAside(desk, QRect(630, 300, 323, 193), group, Gap), QPoint(630, 300));
  // A desktop the group fills: the corner that covers least.
  const QRect small(0, 0, 600, 400);
  const std::vector<QRect> full{QRect(0, 0, 600, 300), QRect(0, 300, 500, 100)};
  EXPECT_EQ(PlaceAside(small, QRect(100, 100, 200, 150), full, Gap), QPoint(400, 250));
}

TEST(Placement, FitOnDeskKeepsTheWantedSizeWhereItFits) {
  const QRect desk(0, 30, 1024, 738);
  EXPECT_EQ(FitOnDesk(desk, QSize(500, 700), QSize(500, 300)), QSize(500, 700));
  EXPECT_EQ(FitOnDesk(desk, QSize(500, 800), QSize(500, 300)), QSize(500, 738));
  EXPECT_EQ(FitOnDesk(desk, QSize(500, 800), QSize(500, 760)), QSize(500, 760));
}
