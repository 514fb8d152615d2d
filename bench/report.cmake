# A two-page PDF report from its content to the closed file:
#   build/bench/bench_report
find_package(benchmark REQUIRED)
add_executable(bench_report bench_report.cpp)
target_link_libraries(bench_report PRIVATE kalmo_gui benchmark::benchmark)
target_compile_definitions(bench_report PRIVATE
    KALMO_BENCH_PROGRAM_DIR="${KALMO_PROGRAM_DIR}/")
add_dependencies(bench_report kalmo_runtime_files)

# "Otwórz obliczenia" from the file to its window shown and computed again:
#   build/bench/bench_open
add_executable(bench_open bench_open.cpp)
target_link_libraries(bench_open PRIVATE kalmo_gui kalmo_cli_core benchmark::benchmark)
target_compile_definitions(bench_open PRIVATE KALMO_BENCH_PROGRAM_DIR="${KALMO_PROGRAM_DIR}/")
add_dependencies(bench_open kalmo_runtime_files)
