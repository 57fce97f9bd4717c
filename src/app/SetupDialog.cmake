target_sources(skylark_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR} / SetupDialog.cpp)
