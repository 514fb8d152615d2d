# Debian's hardening for every binary of the build, so that the package's
# executables and PDF component carry it and the tests run what is shipped:
# the flags of `dpkg-buildflags` with every hardening feature on (fortified
# functions, stack protector, read-only relocations bound at start) and
# position-independent executables. The build type keeps its own optimisation
# and debug flags. Not with the sanitizers, which fortified functions get in
# the way of.

option(KALMO_HARDENING "Build with the hardening flags of dpkg-buildflags" ON)

if(KALMO_HARDENING AND NOT KALMO_SANITIZE AND NOT KALMO_FUZZ)
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    include(CheckPIESupported)
    check_pie_supported()
    find_program(KALMO_DPKG_BUILDFLAGS dpkg-buildflags)
    if(KALMO_DPKG_BUILDFLAGS)
        foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
            execute_process(
                COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                        ${KALMO_DPKG_BUILDFLAGS} --get ${kind}
                OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
            separate_arguments(flags UNIX_COMMAND "${flags}")
            # The build type's -O and -g, and a prefix map that would hide the
            # sources from the debugger, stay out.
            list(FILTER flags EXCLUDE REGEX "^-(O|g|ffile-prefix-map|fdebug-prefix-map)")
            if(kind STREQUAL "LDFLAGS")
                add_link_options(${flags})
            else()
                add_compile_options(${flags})
            endif()
            list(APPEND KALMO_HARDENING_FLAGS ${flags})
        endforeach()
        message(STATUS "Hardening: ${KALMO_HARDENING_FLAGS}")
    else()
        message(STATUS "Hardening: dpkg-buildflags is missing (apt-get install dpkg-dev)")
    endif()
endif()
