# Included from bench/CMakeLists.txt: the tree builders on the synthetic
# catalog that catalog_bench keeps in MARVENIC_BENCH_DATA_DIR.
add_executable(tree_bench ${CMAKE_CURRENT_LIST_DIR}/tree_bench.cpp)
target_link_libraries(tree_bench PRIVATE marvenic_tree makecatalog_lib benchmark::benchmark Qt6::Gui)
target_compile_definitions(tree_bench PRIVATE
  MARVENIC_FIREBIRD_ROOT="${MARVENIC_FIREBIRD_ROOT}"
  MARVENIC_BENCH_DATA="${MARVENIC_BENCH_DATA_DIR}")
add_dependencies(tree_bench superselect)
