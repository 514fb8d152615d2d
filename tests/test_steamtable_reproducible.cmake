# Runs the steam-table generator again into a scratch directory and compares
# its output with the table of the build, byte for byte.
# Run with -DPYTHON=<interpreter> -DGENERATOR=<make_paradat.py> -DTABLE=<para.dat>
# -DMIDPOINTS=<midpoints file of the build> -DWORK=<scratch directory>.

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${PYTHON} -I -B ${GENERATOR} ${WORK}/para.dat ${WORK}/midpoints.txt
    RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the generator failed (${rc})")
endif()
foreach(pair "para.dat;${TABLE}" "midpoints.txt;${MIDPOINTS}")
    list(GET pair 0 name)
    list(GET pair 1 built)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${name} ${built}
        RESULT_VARIABLE differ)
    if(differ)
        message(FATAL_ERROR "a second run of the generator wrote another ${name} than ${built}")
    endif()
endforeach()
