# Sources of the demo and synthetic catalog generators, added to the
# makecatalog library (which links Qt6::Gui and marvenic_text).
set(MAKECATALOG_DEMO_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/demo_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/demo_names.cpp
    ${CMAKE_CURRENT_LIST_DIR}/demo_addresses.cpp
    ${CMAKE_CURRENT_LIST_DIR}/demo_topics.cpp
    ${CMAKE_CURRENT_LIST_DIR}/demo_topics_belarus.cpp
    ${CMAKE_CURRENT_LIST_DIR}/demo_topics_grodno.cpp
    ${CMAKE_CURRENT_LIST_DIR}/demo_companies.cpp
    ${CMAKE_CURRENT_LIST_DIR}/demo_records.cpp
    ${CMAKE_CURRENT_LIST_DIR}/demo_logos.cpp
    ${CMAKE_CURRENT_LIST_DIR}/demo_files.cpp
    ${CMAKE_CURRENT_LIST_DIR}/demo_files_card.cpp
    ${CMAKE_CURRENT_LIST_DIR}/demo_files_definitions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/demo_files_pictures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/demo_assembly.cpp
    ${CMAKE_CURRENT_LIST_DIR}/demo_catalogs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/synthetic.cpp
)
