# The record viewer window, and the review, waits quiz and statistics it opens.
find_package(Qt6 REQUIRED COMPONENTS Concurrent)
target_sources(tilelab_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/Viewdlg1.cpp ${CMAKE_CURRENT_LIST_DIR}/Viewdlg1.h
  ${CMAKE_CURRENT_LIST_DIR}/Frtilerow1.cpp ${CMAKE_CURRENT_LIST_DIR}/Frtilerow1.h
  ${CMAKE_CURRENT_LIST_DIR}/Reviewdlg1.cpp ${CMAKE_CURRENT_LIST_DIR}/Reviewdlg1.h
  ${CMAKE_CURRENT_LIST_DIR}/Quizdlg1.cpp ${CMAKE_CURRENT_LIST_DIR}/Quizdlg1.h
  ${CMAKE_CURRENT_LIST_DIR}/Statsdlg1.cpp ${CMAKE_CURRENT_LIST_DIR}/Statsdlg1.h
  ${CMAKE_CURRENT_LIST_DIR}/Tchart1.cpp ${CMAKE_CURRENT_LIST_DIR}/Tchart1.h
  ${CMAKE_CURRENT_LIST_DIR}/Drilldlg1.cpp ${CMAKE_CURRENT_LIST_DIR}/Drilldlg1.h)
target_link_libraries(tilelab_ui PUBLIC tilelab_records tilelab_game tilelab_analysis Qt6::Concurrent)
