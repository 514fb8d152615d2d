# The capacity windows: "Oblicz" and the reports on their records, and the three
# windows driven offscreen with the valve choice dialog, their reports written
# to PDF and read back with poppler's pdftotext.
kalmo_core_test(test_capacity_calc test_capacity_calc.cpp test_capacity_records.h)
kalmo_core_test(test_capacity_reports test_capacity_reports.cpp test_capacity_records.h)
# The steam calculation reads the build's steam table.
target_compile_definitions(test_capacity_calc PRIVATE
    KALMO_TEST_PROGRAM_DIR="${KALMO_PROGRAM_DIR}/")
add_dependencies(test_capacity_calc kalmo_runtime_files)

# The windows, each opened from the menu of a real main window.
kalmo_gui_test(test_flow_water test_flow_water.cpp test_capacity_fixture.h)
kalmo_gui_test(test_flow_steam test_flow_steam.cpp test_capacity_fixture.h)
kalmo_gui_test(test_flow_air test_flow_air.cpp test_capacity_fixture.h)

find_program(KALMO_PDFTOTEXT pdftotext)
foreach(test test_flow_water test_flow_steam test_flow_air)
    target_compile_definitions(${test} PRIVATE KALMO_PDFTOTEXT="${KALMO_PDFTOTEXT}")
endforeach()
