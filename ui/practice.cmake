# The practice window and the waiting-tiles window.
target_sources(tilelab_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Maindlg1.cpp ${CMAKE_CURRENT_LIST_DIR}/Maindlg1.h
  ${CMAKE_CURRENT_LIST_DIR}/Tagaridlg1.cpp ${CMAKE_CURRENT_LIST_DIR}/Tagaridlg1.h
  ${CMAKE_CURRENT_LIST_DIR}/Pairidlg1.cpp ${CMAKE_CURRENT_LIST_DIR}/Pairidlg1.h
  ${CMAKE_CURRENT_LIST_DIR}/Tposition1.cpp ${CMAKE_CURRENT_LIST_DIR}/Tposition1.h
  ${CMAKE_CURRENT_LIST_DIR}/Boarddlg1.cpp ${CMAKE_CURRENT_LIST_DIR}/Boarddlg1.h
  ${CMAKE_CURRENT_LIST_DIR}/Tscore1.cpp ${CMAKE_CURRENT_LIST_DIR}/Tscore1.h
  ${CMAKE_CURRENT_LIST_DIR}/Tchance1.cpp ${CMAKE_CURRENT_LIST_DIR}/Tchance1.h)
target_link_libraries(tilelab_ui PUBLIC tilelab_game tilelab_analysis tilelab_records)
