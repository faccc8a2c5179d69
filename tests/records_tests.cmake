# Included from tests/CMakeLists.txt: the XML layer, company records, HTML
# entities and record formatting. No database needed.

add_executable(test_xml ${CMAKE_CURRENT_LIST_DIR}/test_xml.cpp)
target_link_libraries(test_xml PRIVATE marvenic_xml GTest::gtest_main)
gtest_discover_tests(test_xml)

add_executable(test_records ${CMAKE_CURRENT_LIST_DIR}/test_records.cpp)
target_link_libraries(test_records PRIVATE marvenic_records GTest::gtest_main)
gtest_discover_tests(test_records)

# libxml2's own HTML entity table is the reference for ours.
add_executable(test_entities ${CMAKE_CURRENT_LIST_DIR}/test_entities.cpp)
target_link_libraries(test_entities PRIVATE marvenic_records LibXml2::LibXml2 GTest::gtest_main)
gtest_discover_tests(test_entities)

add_executable(test_formatting ${CMAKE_CURRENT_LIST_DIR}/test_formatting.cpp)
target_link_libraries(test_formatting PRIVATE marvenic_records GTest::gtest_main)
gtest_discover_tests(test_formatting)
