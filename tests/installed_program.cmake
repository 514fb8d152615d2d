# Installs the program into a scratch prefix and starts it from there through
# its bin/ link: it must find its files beside the real executable.
# Run with -DBUILD=<build directory> -DWORK=<scratch directory>.

file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${WORK}
    RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{KALMO_UNATTENDED} 1)
set(ENV{KALMO_EXIT_AFTER_STARTUP} 1)
execute_process(COMMAND ${WORK}/bin/kalmo WORKING_DIRECTORY ${WORK}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out TIMEOUT 60)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "dialog: frmOprogramie\n")
    message(FATAL_ERROR "the installed program ended with ${rc} and said:\n${out}")
endif()
foreach(file para.dat photo.jpg koniec.png kalmo.png help/kalmo.qhc help/kalmo.qch "SV20.N w centrum bezpieczeństwa SC70"
             001.bmp Res_037.bmp prxlogo.bmp karta_SV10_zawor_bezp_102k11.pdf libdspdf.so)
    if(NOT EXISTS ${WORK}/libexec/kalmo/${file})
        message(FATAL_ERROR "${file} is not installed beside the program")
    endif()
endforeach()
