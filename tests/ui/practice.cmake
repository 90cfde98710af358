# The practice window and the waiting-tiles window.
tilelab_test(test_practice
  SOURCES test_practice_main.cpp test_practice_agari.cpp test_practice_pairi.cpp test_board.cpp qt_main.cpp
  LIBS tilelab_ui Qt6::Test)
