# Included from bench/CMakeLists.txt: the search statements on the synthetic
# catalog that catalog_bench keeps in MARVENIC_BENCH_DATA_DIR.
add_executable(search_bench ${CMAKE_CURRENT_LIST_DIR}/search_bench.cpp)
target_link_libraries(search_bench PRIVATE marvenic_catalog makecatalog_lib benchmark::benchmark Qt6::Gui)
target_compile_definitions(search_bench PRIVATE
  MARVENIC_FIREBIRD_ROOT="${MARVENIC_FIREBIRD_ROOT}"
  MARVENIC_BENCH_DATA="${MARVENIC_BENCH_DATA_DIR}")
add_dependencies(search_bench superselect)
