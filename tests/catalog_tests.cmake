# Included from tests/CMakeLists.txt: the catalog data module.

# Without a database: scrambling, streams, paths and text helpers.
add_executable(test_catalog
  ${CMAKE_CURRENT_LIST_DIR}/test_catalog_scramble.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_catalog_streams.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_catalog_paths.cpp)
target_link_libraries(test_catalog PRIVATE marvenic_catalog GTest::gtest_main)
gtest_discover_tests(test_catalog)

# Against real embedded Firebird on fixture catalogs built by the catalog
# builder; SUPERSELECT comes from the UDR module in the program folder.
add_executable(test_catalog_db
  ${CMAKE_CURRENT_LIST_DIR}/catalog_fixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_catalog_queries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_catalog_pictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_catalog_connect.cpp)
target_link_libraries(test_catalog_db PRIVATE marvenic_catalog makecatalog_lib GTest::gtest_main)
target_compile_definitions(test_catalog_db PRIVATE
  MARVENIC_FIREBIRD_ROOT="${MARVENIC_FIREBIRD_ROOT}")
add_dependencies(test_catalog_db superselect)
gtest_discover_tests(test_catalog_db
  PROPERTIES ENVIRONMENT "FIREBIRD=${MARVENIC_FIREBIRD_ROOT};QT_QPA_PLATFORM=offscreen")
