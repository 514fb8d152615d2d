# Speed of the formulas, the property functions and the steam-table lookups,
# run by hand on the build's program directory:
#   build/bench/bench_calc
find_package(benchmark REQUIRED)
add_executable(bench_calc bench_calc.cpp)
target_link_libraries(bench_calc PRIVATE kalmo_core benchmark::benchmark_main)
target_compile_definitions(bench_calc PRIVATE KALMO_BENCH_PROGRAM_DIR="${KALMO_PROGRAM_DIR}/")
set_target_properties(bench_calc PROPERTIES AUTOMOC OFF)
add_dependencies(bench_calc kalmo_runtime_files)
