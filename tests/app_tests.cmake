# The viewer's start-up: catalog discovery, the single-instance rule, the
# program run end to end and its texts in English. Included from
# tests/CMakeLists.txt.

add_executable(test_app_discovery ${CMAKE_CURRENT_LIST_DIR}/test_app_discovery.cpp)
target_link_libraries(test_app_discovery PRIVATE marvenic_app GTest::gtest_main)
gtest_discover_tests(test_app_discovery PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

# Real processes of the built program.
add_executable(test_app_process ${CMAKE_CURRENT_LIST_DIR}/test_app_process.cpp)
target_link_libraries(test_app_process PRIVATE Qt6::Core GTest::gtest)
target_compile_definitions(test_app_process PRIVATE MARVENIC_EXECUTABLE="$<TARGET_FILE:marvenic>")
add_dependencies(test_app_process marvenic)
gtest_discover_tests(test_app_process PROPERTIES ENVIRONMENT "FIREBIRD=${MARVENIC_FIREBIRD_ROOT}")

# The program in the test process, on catalogs built by the catalog builder.
add_executable(test_app_startup
  ${CMAKE_CURRENT_LIST_DIR}/test_app_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_app_fixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_app_startup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_app_language.cpp)
target_link_libraries(test_app_startup PRIVATE marvenic_app makecatalog_lib GTest::gtest)
target_compile_definitions(test_app_startup PRIVATE
  MARVENIC_DIST_DIR="${MARVENIC_DIST_DIR}"
  MARVENIC_EXECUTABLE="$<TARGET_FILE:marvenic>")
add_dependencies(test_app_startup superselect marvenic_lang_files)
gtest_discover_tests(test_app_startup
  PROPERTIES ENVIRONMENT "FIREBIRD=${MARVENIC_FIREBIRD_ROOT};QT_QPA_PLATFORM=offscreen")

# The company card: its HTML, pictures, links, find, font size and notes.
find_package(Qt6 REQUIRED COMPONENTS Test)
add_executable(test_app_card ${CMAKE_CURRENT_LIST_DIR}/test_app_card.cpp)
target_link_libraries(test_app_card PRIVATE marvenic_app makecatalog_lib Qt6::Test GTest::gtest)
target_compile_definitions(test_app_card PRIVATE MARVENIC_FIREBIRD_ROOT="${MARVENIC_FIREBIRD_ROOT}")
add_dependencies(test_app_card superselect)
gtest_discover_tests(test_app_card
  PROPERTIES ENVIRONMENT "FIREBIRD=${MARVENIC_FIREBIRD_ROOT};QT_QPA_PLATFORM=offscreen")

# The tree half of the main window: arrangements, indexes, tabs, the right
# half for a branch, selective printing and the command states.
add_executable(test_app_tree ${CMAKE_CURRENT_LIST_DIR}/test_app_tree.cpp)
target_link_libraries(test_app_tree PRIVATE marvenic_app makecatalog_lib Qt6::Test GTest::gtest)
target_compile_definitions(test_app_tree PRIVATE
  MARVENIC_FIREBIRD_ROOT="${MARVENIC_FIREBIRD_ROOT}"
  MARVENIC_DIST_DIR="${MARVENIC_DIST_DIR}")
add_dependencies(test_app_tree superselect marvenic_lang_files)
gtest_discover_tests(test_app_tree
  PROPERTIES ENVIRONMENT "FIREBIRD=${MARVENIC_FIREBIRD_ROOT};QT_QPA_PLATFORM=offscreen")

# The search command and its selection tabs, and the help pages.
add_executable(test_app_search ${CMAKE_CURRENT_LIST_DIR}/test_app_search.cpp)
target_link_libraries(test_app_search PRIVATE marvenic_app makecatalog_lib GTest::gtest)
target_compile_definitions(test_app_search PRIVATE
  MARVENIC_FIREBIRD_ROOT="${MARVENIC_FIREBIRD_ROOT}"
  MARVENIC_DIST_DIR="${MARVENIC_DIST_DIR}")
add_dependencies(test_app_search superselect marvenic_lang_files marvenic_help)
gtest_discover_tests(test_app_search
  PROPERTIES ENVIRONMENT "FIREBIRD=${MARVENIC_FIREBIRD_ROOT};QT_QPA_PLATFORM=offscreen")
