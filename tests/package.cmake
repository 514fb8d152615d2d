# Builds the Debian package in a scratch directory and checks that it holds every
# run-time file, links on the PATH to real executables, desktop files that pass
# their validators, a MIME type for the calculation files that the menu entry
# opens, binaries that lintian finds hardened and help that searches without
# writing into the program directory. Run with -DBUILD=<build directory>
# -DWORK=<scratch directory> -DVERSION=<version> -DAPPSTREAM_ID=<id of the metadata>
# -DHELP_SEARCH=<help_search> -DHARDENED=<the build's hardening flags>.

foreach(tool dpkg-deb dpkg-shlibdeps gzip)
    find_program(have_${tool} ${tool})
    if(NOT have_${tool})
        message("SKIPPED: ${tool} is missing (apt-get install dpkg-dev); no package is built")
        return()
    endif()
endforeach()

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        string(REPLACE ";" " " command "${ARGN}")
        message(FATAL_ERROR "${command} failed (${rc}):\n${out}${err}")
    endif()
    set(out "${out}" PARENT_SCOPE)
    set(err "${err}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK})
run(${CMAKE_CPACK_COMMAND} -G DEB --config ${BUILD}/CPackConfig.cmake -B ${WORK})
run(dpkg --print-architecture)
string(STRIP "${out}" arch)
set(deb ${WORK}/kalmo_${VERSION}_${arch}.deb)
if(NOT EXISTS ${deb})
    message(FATAL_ERROR "no ${deb}")
endif()

# The listing: "-rwxr-xr-x root/root 1234 2026-12-09 00:00 ./usr/bin/x[ -> target]".
run(dpkg-deb -c ${deb})
string(REPLACE "\n" ";" lines "${out}")
foreach(line IN LISTS lines)
    if(line MATCHES "^([-dl][-rwxs]+) ([^ ]+) +[0-9]+ [0-9-]+ [0-9:]+ \\./([^ ].*)$")
        set(mode ${CMAKE_MATCH_1})
        set(path ${CMAKE_MATCH_3})
        if(NOT CMAKE_MATCH_2 STREQUAL "root/root")
            message(FATAL_ERROR "${path} belongs to ${CMAKE_MATCH_2}")
        endif()
        if(path MATCHES "^(.*) -> (.*)$")
            set(link_${CMAKE_MATCH_1} ${CMAKE_MATCH_2})
            set(path ${CMAKE_MATCH_1})
        endif()
        string(REGEX REPLACE "/$" "" path "${path}")
        set(mode_${path} ${mode})
    endif()
endforeach()

set(expected
    usr/share/applications/kalmo.desktop usr/share/metainfo/${APPSTREAM_ID}.metainfo.xml
    usr/share/man/man1/kalmo.1.gz usr/share/man/man1/kalmo-cli.1.gz
    usr/share/bash-completion/completions/kalmo-cli usr/share/mime/packages/kalmo.xml
    usr/share/doc/kalmo/copyright usr/share/doc/kalmo/changelog.gz)
file(GLOB_RECURSE program_files RELATIVE ${BUILD}/bin ${BUILD}/bin/*)
foreach(file IN LISTS program_files)
    list(APPEND expected "usr/libexec/kalmo/${file}")
endforeach()
file(GLOB icons RELATIVE ${BUILD}/icons ${BUILD}/icons/hicolor/*/apps/kalmo.png)
foreach(icon IN LISTS icons)
    list(APPEND expected "usr/share/icons/${icon}")
endforeach()
foreach(file IN LISTS expected)
    if(NOT mode_${file} MATCHES "^-")
        message(FATAL_ERROR "${file} is not in the package")
    endif()
endforeach()

foreach(program kalmo kalmo-cli)
    set(link usr/bin/${program})
    if(NOT DEFINED link_${link})
        message(FATAL_ERROR "${link} is no link")
    endif()
    get_filename_component(target "usr/bin/${link_${link}}" ABSOLUTE BASE_DIR /)
    string(REGEX REPLACE "^/" "" target "${target}")
    if(NOT mode_${target} MATCHES "^-rwx")
        message(FATAL_ERROR "${link} points at ${link_${link}}, which is no executable")
    endif()
endforeach()

run(dpkg-deb -f ${deb} Version Depends Suggests)
foreach(field "Version: ${VERSION}" "libqt6widgets6" "libqt6help6" "libqt6sql6-sqlite"
              "qt6-translations-l10n" "fonts-liberation" "Suggests: cups-client")
    string(FIND "${out}" "${field}" at)
    if(at LESS 0)
        message(FATAL_ERROR "the control fields lack \"${field}\":\n${out}")
    endif()
endforeach()

set(root ${WORK}/root)
run(dpkg-deb -x ${deb} ${root})
# <tool> <arguments>, or a note that it is missing.
function(validate tool package)
    find_program(have ${tool} NO_CACHE)
    if(have)
        run(${have} ${ARGN})
    else()
        list(GET ARGN -1 file)
        message("${tool} is missing (apt-get install ${package}): ${file} not validated")
    endif()
endfunction()
validate(desktop-file-validate desktop-file-utils ${root}/usr/share/applications/kalmo.desktop)
validate(appstreamcli appstream validate --no-net ${root}/usr/share/metainfo/${APPSTREAM_ID}.metainfo.xml)
set(mime_xml ${root}/usr/share/mime/packages/kalmo.xml)
validate(xmllint libxml2-utils --noout ${mime_xml})

# The calculation files (*.kalmo) have a MIME type of their own, which the menu
# entry opens: a file manager starts `kalmo FILE` for a double-clicked file.
set(mime_type application/x-kalmo)
set(mime_glob "*.kalmo")
file(READ ${root}/usr/share/applications/kalmo.desktop entry)
foreach(key Exec Icon MimeType)
    string(REGEX MATCH "\n${key}=([^\n]*)" line "${entry}")
    set(entry_${key} "${CMAKE_MATCH_1}")
endforeach()
if(NOT "${entry_MimeType}" MATCHES "(^|;)${mime_type};")
    message(FATAL_ERROR "the menu entry lists no ${mime_type}: MimeType=${entry_MimeType}")
endif()
if(NOT "${entry_Exec}" MATCHES " %f( |$)")
    message(FATAL_ERROR "the menu entry passes no file to the program: Exec=${entry_Exec}")
endif()
if(NOT icons MATCHES "/${entry_Icon}\\.png(;|$)")
    message(FATAL_ERROR "the package has no icon ${entry_Icon}, which the menu entry names")
endif()

# The MIME database built from the package's definition alone: the name of a
# calculation file maps to the type, the type is a kind of JSON and shows the
# program's icon.
find_program(update_mime update-mime-database NO_CACHE)
if(NOT update_mime)
    message("update-mime-database is missing (apt-get install shared-mime-info): "
            "the MIME type is not registered")
else()
    set(data ${WORK}/data)
    file(COPY ${mime_xml} DESTINATION ${data}/mime/packages)
    # It reports a definition it cannot read on stderr and still ends with 0.
    execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${data} XDG_DATA_DIRS=${data}
                            ${update_mime} ${data}/mime
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
        message(FATAL_ERROR "update-mime-database rejects kalmo.xml (${rc}):\n${out}${err}")
    endif()
    string(REPLACE "." "\\." glob_pattern "${mime_glob}")
    string(REPLACE "*" "\\*" glob_pattern "${glob_pattern}")
    set(database_files globs2 subclasses icons)
    set(database_lines "^[0-9]+:${mime_type}:${glob_pattern}$" "^${mime_type} application/json$"
                       "^${mime_type}:${entry_Icon}$")
    foreach(file line IN ZIP_LISTS database_files database_lines)
        file(STRINGS ${data}/mime/${file} found REGEX "${line}")
        if(NOT found)
            file(READ ${data}/mime/${file} text)
            message(FATAL_ERROR "the MIME database's ${file} has no line ${line}:\n${text}")
        endif()
    endforeach()
endif()

# The manuals read without a warning, and kalmo-cli's names every subcommand its help lists.
find_program(man man)
foreach(page kalmo kalmo-cli)
    if(NOT man)
        message("man is missing (apt-get install man-db): ${page}.1 not read")
        continue()
    endif()
    run(${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 ${man} --warnings -E UTF-8 -l
        ${root}/usr/share/man/man1/${page}.1.gz)
    if(NOT err STREQUAL "")
        message(FATAL_ERROR "man ${page}.1 warns:\n${err}")
    endif()
endforeach()
run(gzip -dc ${root}/usr/share/man/man1/kalmo-cli.1.gz)
set(page "${out}")
run(${root}/usr/libexec/kalmo/kalmo-cli --help)
string(REGEX MATCH "\nPodkomendy[^\n]*(\n  [^\n]+)+" list "${out}")
string(REGEX MATCHALL "\n  [a-z][-a-z0-9]* " commands "${list}")
if(NOT commands)
    message(FATAL_ERROR "kalmo-cli --help lists no subcommand:\n${out}")
endif()
foreach(command IN LISTS commands)
    string(STRIP "${command}" command)
    string(REPLACE "-" "\\-" roff "${command}")
    string(FIND "${page}" ".SS \"${roff}\"" at)
    if(at LESS 0)
        message(FATAL_ERROR "kalmo-cli.1 does not describe ${command}")
    endif()
endforeach()

# The help of the unpacked program directory is searched once. The engine keeps
# its writable copy and search index in the user's cache folder (a scratch one
# here), never in the program directory, which is read-only once installed.
set(program ${root}/usr/libexec/kalmo)
file(GLOB_RECURSE before LIST_DIRECTORIES true RELATIVE ${program} ${program}/*)
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_CACHE_HOME=${WORK}/cache
                ${HELP_SEARCH} ${program} "karta katalogowa"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 120)
if(NOT rc EQUAL 0 OR NOT out MATCHES "wydruk.html")
    message(FATAL_ERROR "the installed help found no \"karta katalogowa\" (${rc}):\n${out}${err}")
endif()
file(GLOB_RECURSE after LIST_DIRECTORIES true RELATIVE ${program} ${program}/*)
if(NOT before STREQUAL after)
    message(FATAL_ERROR "searching the help wrote into the program directory")
endif()

# lintian finds nothing wrong with the MIME type and the menu entry that opens
# it, and the binaries carry Debian's hardening: fortified functions, relro
# bound at start, PIE (cmake/Hardening.cmake). A sanitizer build is not
# hardened (the fortified functions get in its way): its package is not checked
# for it.
set(tags desktop-mime-but-no-exec-code package-contains-mime-file-outside-package-dir
         package-contains-mime-cache-file)
if(HARDENED)
    list(APPEND tags hardening-no-bindnow hardening-no-fortify-functions hardening-no-pie
                     hardening-no-relro)
else()
    message("the build has no hardening flags: the hardening is not checked")
endif()
find_program(lintian lintian)
if(NOT lintian)
    message("lintian is missing (apt-get install lintian): the package is not checked by it")
else()
    string(REPLACE ";" "," tags "${tags}")
    execute_process(COMMAND ${lintian} --no-cfg --display-info --tags ${tags} ${deb}
                    OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT out STREQUAL "")
        message(FATAL_ERROR "lintian finds:\n${out}")
    endif()
endif()
