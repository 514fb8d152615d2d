# The engineering: capacity formulas, property functions and the steam table.
kalmo_core_test(test_obliczenia test_obliczenia.cpp)

# The steam table test reads the generated para.dat of the program directory and
# the IF97 midpoint states the generator writes beside the build.
get_property(kalmo_para_midpoints GLOBAL PROPERTY KALMO_PARA_MIDPOINTS)
kalmo_core_test(test_steamtable test_steamtable.cpp)
target_compile_definitions(test_steamtable PRIVATE
    KALMO_TEST_PROGRAM_DIR="${KALMO_PROGRAM_DIR}/"
    KALMO_TEST_PARA_MIDPOINTS="${kalmo_para_midpoints}")
add_dependencies(test_steamtable kalmo_runtime_files)

# Generating the table again gives the same bytes.
add_test(NAME steamtable_reproducible
    COMMAND ${CMAKE_COMMAND} -DPYTHON=${KALMO_IF97_PYTHON}
            -DGENERATOR=${CMAKE_SOURCE_DIR}/tools/make_paradat.py
            -DTABLE=${KALMO_PROGRAM_DIR}/para.dat -DMIDPOINTS=${kalmo_para_midpoints}
            -DWORK=${CMAKE_CURRENT_BINARY_DIR}/steamtable_reproducible
            -P ${CMAKE_CURRENT_SOURCE_DIR}/test_steamtable_reproducible.cmake)
