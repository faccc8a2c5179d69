# Included from tests/CMakeLists.txt: the tree model, the tree builders and
# the data mediator.
find_package(Qt6 REQUIRED COMPONENTS Test)

# Without a database: the item model and the Russian order of names.
add_executable(test_tree
  ${CMAKE_CURRENT_LIST_DIR}/test_tree_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_tree_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_tree_collation.cpp)
target_link_libraries(test_tree PRIVATE marvenic_tree Qt6::Test GTest::gtest)
gtest_discover_tests(test_tree PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

# On small catalogs built by the catalog builder, in embedded Firebird.
add_executable(test_tree_db
  ${CMAKE_CURRENT_LIST_DIR}/test_tree_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_tree_fixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_tree_builders.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_tree_mediator.cpp)
set_target_properties(test_tree_db PROPERTIES AUTOMOC ON)
target_link_libraries(test_tree_db PRIVATE marvenic_tree makecatalog_lib Qt6::Test GTest::gtest)
target_compile_definitions(test_tree_db PRIVATE MARVENIC_FIREBIRD_ROOT="${MARVENIC_FIREBIRD_ROOT}")
add_dependencies(test_tree_db superselect)
gtest_discover_tests(test_tree_db
  PROPERTIES ENVIRONMENT "FIREBIRD=${MARVENIC_FIREBIRD_ROOT};QT_QPA_PLATFORM=offscreen")
