# Included from bench/CMakeLists.txt: the companies table on the synthetic
# catalog that catalog_bench keeps in MARVENIC_BENCH_DATA_DIR.
add_executable(table_bench ${CMAKE_CURRENT_LIST_DIR}/table_bench.cpp)
target_link_libraries(table_bench PRIVATE marvenic_search marvenic_tree makecatalog_lib benchmark::benchmark
                      Qt6::Widgets)
target_compile_definitions(table_bench PRIVATE
  MARVENIC_FIREBIRD_ROOT="${MARVENIC_FIREBIRD_ROOT}"
  MARVENIC_BENCH_DATA="${MARVENIC_BENCH_DATA_DIR}")
add_dependencies(table_bench superselect)
