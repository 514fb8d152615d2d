# The valve catalogue, the valve data files and the two choice dialogs.
kalmo_core_test(test_valve_catalogue test_valve_catalogue.cpp)
kalmo_core_test(test_valve_data test_valve_data.cpp)
# The data files test reads the generated files of the program directory.
target_compile_definitions(test_valve_data PRIVATE KALMO_TEST_PROGRAM_DIR="${KALMO_PROGRAM_DIR}/")
add_dependencies(test_valve_data kalmo_valve_data)
kalmo_gui_test(test_valve_dialogs test_valve_dialogs.cpp)
