# Tree builders, the item model of the main window's tree, and the data
# mediator of the search dialog. Included from src/catalog/CMakeLists.txt.
add_library(marvenic_tree STATIC
  ${CMAKE_CURRENT_LIST_DIR}/topic_tree_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/build_structures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/data_mediator.cpp)
set_target_properties(marvenic_tree PROPERTIES AUTOMOC ON)
target_include_directories(marvenic_tree PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(marvenic_tree
  PUBLIC marvenic_catalog marvenic_records marvenic_text Qt6::Gui
  PRIVATE marvenic_files)
