# Language layer, settings and folder listing. Included from tests/CMakeLists.txt.

add_executable(test_lang ${CMAKE_CURRENT_LIST_DIR}/test_lang.cpp)
target_link_libraries(test_lang PRIVATE marvenic_lang marvenic_text GTest::gtest)
target_compile_definitions(test_lang PRIVATE MARVENIC_DIST_DIR="${MARVENIC_DIST_DIR}")
set_target_properties(test_lang PROPERTIES AUTOMOC ON)
# The shipped phrase files are checked as the program folder holds them.
add_dependencies(test_lang marvenic_lang_files)
gtest_discover_tests(test_lang PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

add_executable(test_settings_files ${CMAKE_CURRENT_LIST_DIR}/test_settings_files.cpp)
target_link_libraries(test_settings_files PRIVATE marvenic_settings marvenic_files GTest::gtest_main)
gtest_discover_tests(test_settings_files)
