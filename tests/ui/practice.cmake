# The practice window, the waiting-tiles window and the pause.
find_package(Qt6 REQUIRED COMPONENTS Test)
tilelab_test(test_practice
  SOURCES test_practice_main.cpp test_practice_agari.cpp test_practice_pause.cpp qt_main.cpp
  LIBS tilelab_ui Qt6::Test)
