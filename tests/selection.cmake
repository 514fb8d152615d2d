# The selection windows: the selection pattern, each selection's "Oblicz" and
# report content without widgets (over the generated valve data files and
# steam table), and the two windows driven offscreen, with their PDF reports
# read back by poppler's pdftotext.
kalmo_core_test(test_selection test_selection.cpp)
kalmo_core_test(test_selection_water test_selection_water.cpp)
kalmo_core_test(test_selection_steam test_selection_steam.cpp)
kalmo_core_test(test_selection_power test_selection_power.cpp)
kalmo_core_test(test_selection_air test_selection_air.cpp)
kalmo_core_test(test_selection_mix test_selection_mix.cpp)
kalmo_core_test(test_selection_exchangers test_selection_exchangers.cpp)
kalmo_core_test(test_selection_expansion test_selection_expansion.cpp)
foreach(test test_selection_water test_selection_steam test_selection_power test_selection_air
        test_selection_mix test_selection_exchangers test_selection_expansion)
    target_compile_definitions(${test} PRIVATE KALMO_TEST_PROGRAM_DIR="${KALMO_PROGRAM_DIR}/")
    add_dependencies(${test} kalmo_runtime_files)
endforeach()

find_program(KALMO_PDFTOTEXT pdftotext)
kalmo_gui_test(test_dobor_water test_dobor_water.cpp test_selection_support.h)
kalmo_gui_test(test_dobor_steam test_dobor_steam.cpp test_selection_support.h)
kalmo_gui_test(test_moc test_moc.cpp test_selection_support.h)
kalmo_gui_test(test_dobor_air test_dobor_air.cpp test_selection_support.h)
kalmo_gui_test(test_dobor_mix test_dobor_mix.cpp test_selection_support.h)
kalmo_gui_test(test_exchangers test_exchangers.cpp test_selection_support.h)
kalmo_gui_test(test_ekspansja test_ekspansja.cpp test_selection_support.h)
# What the windows keep between two openings, and their group captions.
kalmo_gui_test(test_window_record test_window_record.cpp test_selection_support.h)
foreach(test test_dobor_water test_dobor_steam test_moc test_dobor_air test_dobor_mix
        test_exchangers test_ekspansja test_window_record)
    target_compile_definitions(${test} PRIVATE
        KALMO_PDFTOTEXT="${KALMO_PDFTOTEXT}"
        KALMO_TEST_WORK_DIR="${CMAKE_CURRENT_BINARY_DIR}/selection_work")
    add_dependencies(${test} dspdf)
endforeach()

# The windows under Polish regional settings: results with a decimal comma,
# reports with the selection's own numbers.
add_test(NAME dobor_polish_locale COMMAND test_dobor_water --gtest_filter=*PolishLocale*)
set_tests_properties(dobor_polish_locale PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=pl_PL.UTF-8;LANG=pl_PL.UTF-8"
    FAIL_REGULAR_EXPRESSION "SKIPPED|Skipped")
