# Included from tests/CMakeLists.txt: the search dialog, against a fake data
# mediator, with the program folder's phrase files.
find_package(Qt6 REQUIRED COMPONENTS Test)
add_executable(test_search_dialog ${CMAKE_CURRENT_LIST_DIR}/test_search_dialog.cpp)
target_link_libraries(test_search_dialog PRIVATE marvenic_search marvenic_lang marvenic_text Qt6::Test GTest::gtest)
target_compile_definitions(test_search_dialog PRIVATE MARVENIC_DIST_DIR="${MARVENIC_DIST_DIR}")
add_dependencies(test_search_dialog marvenic_lang_files)
gtest_discover_tests(test_search_dialog PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
