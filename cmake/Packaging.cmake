# Desktop integration and the Debian package.
#
# `cpack -G DEB` in the build directory makes kalmo_<version>_<arch>.deb: the
# program directory under /usr/libexec/kalmo with its links in /usr/bin, the
# menu entry, the icon, the MIME type of the calculation files, the AppStream
# metadata, the manual pages and the bash completion, as `cmake --install` lays
# them out under /usr.

# The project has no address of its own yet: the home page, the AppStream id
# (its reverse) and the maintainer's address stand in the reserved domain
# ".example" until it has.
set(KALMO_HOMEPAGE "https://kalmo.example/" CACHE STRING
    "Address of the program's home page, named in the AppStream metadata")
set(KALMO_SCREENSHOT_URL "${KALMO_HOMEPAGE}screenshot.png" CACHE STRING
    "Address where docs/screenshot.png is published, for the AppStream metadata")
set(KALMO_APPSTREAM_ID "example.kalmo.Kalmo" CACHE STRING
    "AppStream component id: the reverse of a domain the project owns")
set(KALMO_PACKAGE_MAINTAINER "KALMO developers <kalmo@kalmo.example>" CACHE STRING
    "Maintainer of the Debian package: name <address>")

set(packaging ${CMAKE_SOURCE_DIR}/packaging)
set(generated ${CMAKE_BINARY_DIR}/packaging)

# The menu entry and what software centres show of the program.
install(FILES ${packaging}/kalmo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The calculation files (*.kalmo) as a MIME type of their own, which the menu
# entry opens. The package needs no maintainer scripts and no dependency for
# it: the dpkg triggers of shared-mime-info (on /usr/share/mime/packages) and
# desktop-file-utils (on /usr/share/applications), where installed, update
# the MIME database and the desktop's list of what opens which type whenever a
# package puts files there.
install(FILES ${packaging}/kalmo-mime.xml RENAME kalmo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
configure_file(${packaging}/kalmo.metainfo.xml.in
               ${generated}/${KALMO_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${generated}/${KALMO_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES ${packaging}/kalmo-cli.bash RENAME kalmo-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# The package's own documents: the copyright notice and the changelog,
# compressed as Debian keeps changelogs.
configure_file(${packaging}/changelog.in ${generated}/changelog @ONLY)
add_custom_command(OUTPUT ${generated}/changelog.gz
    COMMAND gzip -9nkf ${generated}/changelog
    DEPENDS ${generated}/changelog
    VERBATIM)
add_custom_target(kalmo_changelog ALL DEPENDS ${generated}/changelog.gz)
install(FILES ${packaging}/copyright ${generated}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kalmo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT ${KALMO_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KALMO_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KALMO_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "capacity and selection of safety valves")
# The summary is the synopsis line; this is the extended description below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "KALMO computes safety valves for water-heating, steam and compressed-air
plant after the Polish technical conditions WUDT-UC-WO:10.2003: the
discharge capacity of a chosen valve, and the first size of a valve type
that covers a required relieving flow. Its windows, reports and manuals are
in Polish. kalmo-cli runs the same calculations from the command line.")

# The libraries the executables and the PDF component link come from
# dpkg-shlibdeps. Added to them are what the program loads at run time that no
# library names: Polish texts of Qt's dialogs, the monospaced font the reports
# are laid out in, and the SQLite driver plug-in through which Qt Help reads
# the help collection and its search index. (On Debian 12 the xcb platform
# plug-in and the JPEG image plug-in ship in libqt6gui6, which the executables
# link.)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-translations-l10n, fonts-liberation | fonts-liberation2, libqt6sql6-sqlite")
# The catalogue cards go to the printer through `lp`.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cups-client")

include(CPack)
