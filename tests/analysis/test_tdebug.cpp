#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/Tdebug1.h"

// The trace object: silent without a sink, one exact line per call with one.

TEST(TDebug, SilentByDefault) {
  TDebug debug;
  EXPECT_FALSE(debug.Listening());
  debug.Print("ChkNormal: %02d", 1);  // nowhere to go; must simply return
}

TEST(TDebug, PrintFormatsOneLineWithoutTerminator) {
  TDebug debug;
  std::vector<std::string> lines;
  TScopedDebugSink sink([&](std::string_view line) { lines.emplace_back(line); }, debug);
  ASSERT_TRUE(debug.Listening());

  debug.Print("K: 12 12 12");
  debug.Print("%s:%3d|%02d", "S", 7, 5);
  debug.Print("%s", "");
  debug.Print("100%%");
  const std::string wide(300, 'x');
  debug.Print("[%s]", wide.c_str());

  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "K: 12 12 12");
  EXPECT_EQ(lines[1], "S:  7|05");
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3], "100%");
  EXPECT_EQ(lines[4], "[" + wide + "]");
}
