# Included from tests/CMakeLists.txt: the companies table window, against a
# small catalog built by the catalog builder in a temporary folder.
find_package(Qt6 REQUIRED COMPONENTS Test)
add_executable(test_companies_table ${CMAKE_CURRENT_LIST_DIR}/test_companies_table.cpp)
target_link_libraries(test_companies_table PRIVATE
  marvenic_search marvenic_tree marvenic_lang makecatalog_lib Qt6::Test GTest::gtest)
target_compile_definitions(test_companies_table PRIVATE
  MARVENIC_FIREBIRD_ROOT="${MARVENIC_FIREBIRD_ROOT}"
  MARVENIC_DIST_DIR="${MARVENIC_DIST_DIR}")
# The captions are checked against the program folder's phrase files.
add_dependencies(test_companies_table superselect marvenic_lang_files)
gtest_discover_tests(test_companies_table
  PROPERTIES ENVIRONMENT "FIREBIRD=${MARVENIC_FIREBIRD_ROOT};QT_QPA_PLATFORM=offscreen")
