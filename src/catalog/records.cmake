# Company records, HTML entities and record formatting: the part of the
# catalog data layer that needs no database.
add_library(marvenic_records STATIC
  ${CMAKE_CURRENT_LIST_DIR}/records.cpp
  ${CMAKE_CURRENT_LIST_DIR}/entities.cpp
  ${CMAKE_CURRENT_LIST_DIR}/formatting.cpp)
target_include_directories(marvenic_records PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(marvenic_records PUBLIC marvenic_xml marvenic_text)
