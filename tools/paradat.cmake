# The saturated-steam table para.dat, computed at build time from IAPWS-IF97 by
# make_paradat.py with Debian's Python and its python3-iapws package (installed
# by tools/setup-debian.sh). Beside it, outside the program directory, the IF97
# states at the middle of every pair of rows, which the steam-table test uses
# to measure the interpolation.

find_program(KALMO_IF97_PYTHON NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH
    DOC "Debian's Python 3, which has python3-iapws")
if(NOT KALMO_IF97_PYTHON)
    message(FATAL_ERROR "para.dat needs Debian's /usr/bin/python3 with python3-iapws: "
                        "run tools/setup-debian.sh")
endif()
execute_process(COMMAND ${KALMO_IF97_PYTHON} -I -B -c "import iapws.iapws97"
    RESULT_VARIABLE kalmo_iapws_missing OUTPUT_QUIET ERROR_QUIET)
if(kalmo_iapws_missing)
    message(FATAL_ERROR "${KALMO_IF97_PYTHON} cannot import iapws: para.dat needs the "
                        "python3-iapws package (run tools/setup-debian.sh)")
endif()

set(para_dat ${KALMO_PROGRAM_DIR}/para.dat)
set(para_midpoints ${CMAKE_BINARY_DIR}/tools/para_midpoints.txt)
set_property(GLOBAL PROPERTY KALMO_PARA_MIDPOINTS ${para_midpoints})

add_custom_command(OUTPUT ${para_dat} ${para_midpoints}
    COMMAND ${KALMO_IF97_PYTHON} -I -B ${CMAKE_CURRENT_LIST_DIR}/make_paradat.py
            ${para_dat} ${para_midpoints}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/make_paradat.py
    COMMENT "Computing the saturated-steam table para.dat from IAPWS-IF97"
    VERBATIM)
kalmo_runtime_outputs(kalmo_paradat ${para_dat})
# The same target keeps the check file of the tests up to date; it stays in the
# build's tools folder and is not installed.
target_sources(kalmo_paradat PRIVATE ${para_midpoints})
