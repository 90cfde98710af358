# The record viewer window.
target_sources(tilelab_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/Viewdlg1.cpp ${CMAKE_CURRENT_LIST_DIR}/Viewdlg1.h)
target_link_libraries(tilelab_ui PUBLIC tilelab_records)
