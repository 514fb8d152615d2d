# The command line: its arguments, cases, JSON and batches without a process;
# every subcommand against its window driven offscreen; the program itself.
kalmo_core_test(test_cli_core test_cli_core.cpp)
target_link_libraries(test_cli_core PRIVATE kalmo_cli_core)
target_compile_definitions(test_cli_core PRIVATE KALMO_TEST_PROGRAM_DIR="${KALMO_PROGRAM_DIR}/")
add_dependencies(test_cli_core kalmo_runtime_files)

# The windows and the program: kalmo-cli is run as a user runs it.
kalmo_gui_test(test_cli_windows test_cli_windows.cpp test_capacity_fixture.h)
target_link_libraries(test_cli_windows PRIVATE kalmo_cli_core)
find_program(KALMO_PDFTOTEXT pdftotext)
target_compile_definitions(test_cli_windows PRIVATE
    KALMO_PDFTOTEXT="${KALMO_PDFTOTEXT}"
    KALMO_CLI="$<TARGET_FILE:kalmo-cli>")
add_dependencies(test_cli_windows kalmo-cli)

# The selection windows against their subcommands.
kalmo_gui_test(test_cli_selection test_cli_selection.cpp test_selection_support.h)
target_link_libraries(test_cli_selection PRIVATE kalmo_cli_core)
target_compile_definitions(test_cli_selection PRIVATE
    KALMO_PDFTOTEXT="${KALMO_PDFTOTEXT}"
    KALMO_CLI="$<TARGET_FILE:kalmo-cli>"
    KALMO_TEST_WORK_DIR="${CMAKE_CURRENT_BINARY_DIR}/cli_selection_work")
add_dependencies(test_cli_selection kalmo-cli dspdf)

# Calculation files: saved and opened in every window, refused, no longer holding.
kalmo_gui_test(test_case_files test_case_files.cpp)
target_link_libraries(test_case_files PRIVATE kalmo_cli_core)
target_compile_definitions(test_case_files PRIVATE KALMO_CLI="$<TARGET_FILE:kalmo-cli>")
add_dependencies(test_case_files kalmo-cli)
