# A batch of selection cases through the command line, cases per second and
# peak memory after a tenth and after all of them:
#   build/bench/bench_cli [cases]
add_executable(bench_cli bench_cli.cpp)
target_link_libraries(bench_cli PRIVATE kalmo_cli_core)
target_compile_definitions(bench_cli PRIVATE KALMO_BENCH_PROGRAM_DIR="${KALMO_PROGRAM_DIR}/")
add_dependencies(bench_cli kalmo_runtime_files)
