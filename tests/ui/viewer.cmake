# The record viewer window, the discard-reading exercise, and the review, waits
# quiz and statistics the viewer opens.
tilelab_test(test_viewer SOURCES test_viewer.cpp test_viewer_random.cpp test_learning.cpp test_drill.cpp test_verdicts.cpp qt_main.cpp
  LIBS tilelab_ui tilelab_records tilelab_game tilelab_handtool Qt6::Test)
