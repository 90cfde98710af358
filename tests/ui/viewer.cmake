# The record viewer window and the discard-reading exercise.
tilelab_test(test_viewer SOURCES test_viewer.cpp test_viewer_random.cpp qt_main.cpp
  LIBS tilelab_ui tilelab_records Qt6::Test)
