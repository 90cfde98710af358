# A saved deal played again: the viewer's command, the practice window, the new record.
tilelab_test(test_replay SOURCES test_replay.cpp qt_main.cpp LIBS tilelab_ui tilelab_records tilelab_game Qt6::Test)
