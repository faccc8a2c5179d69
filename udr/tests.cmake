# Included from tests/CMakeLists.txt: the scanner behind SUPERSELECT.
find_package(GTest REQUIRED)
include(GoogleTest)
add_executable(test_superselect_scan ${CMAKE_CURRENT_LIST_DIR}/../tests/test_superselect_scan.cpp)
target_link_libraries(test_superselect_scan PRIVATE superselect_scan marvenic_scramble GTest::gtest_main)
target_include_directories(test_superselect_scan PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../src)
gtest_discover_tests(test_superselect_scan)
