# Starts the real program from a directory without the steam table, then from one
# with an empty table. Run with -DKALMO=<executable> -DWORK=<scratch directory>.

set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{KALMO_UNATTENDED} 1)
set(ENV{KALMO_EXIT_AFTER_STARTUP} 1)

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${KALMO} DESTINATION ${WORK})
get_filename_component(exe ${KALMO} NAME)

# No para.dat: the about dialog, then the warning, then the end (exit code 1).
execute_process(COMMAND ${WORK}/${exe} RESULT_VARIABLE rc OUTPUT_VARIABLE err TIMEOUT 60)
set(expected "dialog: frmOprogramie\nwarning: [  Uwaga!] Brak pliku \"PARA.DAT\" !\n")
if(NOT err STREQUAL expected)
    message(FATAL_ERROR "without para.dat the program said:\n${err}\nexpected:\n${expected}")
endif()
if(NOT rc EQUAL 1)
    message(FATAL_ERROR "without para.dat the program ended with ${rc}, expected 1")
endif()

# An empty para.dat passes: only opening and closing are tried.
file(TOUCH ${WORK}/para.dat)
execute_process(COMMAND ${WORK}/${exe} RESULT_VARIABLE rc OUTPUT_VARIABLE err TIMEOUT 60)
if(NOT err STREQUAL "dialog: frmOprogramie\n" OR NOT rc EQUAL 0)
    message(FATAL_ERROR "with an empty para.dat: exit ${rc}, said:\n${err}")
endif()
