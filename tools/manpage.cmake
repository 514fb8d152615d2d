# The manual pages, in Polish: kalmo(1), kept as text beside the help topics,
# and kalmo-cli(1), made at build time from the help that kalmo-cli prints, so
# that a new subcommand or option reaches the manual by itself. Both are
# compressed as the manual's readers expect and installed with the program.

add_library(kalmo_manpage STATIC ${CMAKE_CURRENT_LIST_DIR}/ManPage.h ${CMAKE_CURRENT_LIST_DIR}/ManPage.cpp)
target_link_libraries(kalmo_manpage PUBLIC Qt6::Core)
target_include_directories(kalmo_manpage PUBLIC ${CMAKE_SOURCE_DIR})
set_target_properties(kalmo_manpage PROPERTIES AUTOMOC OFF)

add_executable(make_manpage ${CMAKE_CURRENT_LIST_DIR}/make_manpage.cpp)
target_link_libraries(make_manpage PRIVATE kalmo_manpage kalmo_cli_core)
set_target_properties(make_manpage PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools
    AUTOMOC OFF)

set(KALMO_MAN_DIR ${CMAKE_BINARY_DIR}/man)
set(kalmo_cli_page ${KALMO_MAN_DIR}/kalmo-cli.1)
set(kalmo_page ${KALMO_MAN_DIR}/kalmo.1)
add_custom_command(OUTPUT ${kalmo_cli_page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KALMO_MAN_DIR}
    COMMAND $<TARGET_FILE:make_manpage> ${kalmo_cli_page}
            /usr/${KALMO_INSTALL_DIR}/ ${PROJECT_VERSION}
    COMMAND gzip -9nkf ${kalmo_cli_page}
    DEPENDS make_manpage
    COMMENT "Writing the manual page of kalmo-cli from its help"
    VERBATIM)
add_custom_command(OUTPUT ${kalmo_page}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/resources/help/kalmo.1 ${kalmo_page}
    COMMAND gzip -9nkf ${kalmo_page}
    DEPENDS ${CMAKE_SOURCE_DIR}/resources/help/kalmo.1
    VERBATIM)
add_custom_target(kalmo_manuals ALL DEPENDS ${kalmo_cli_page}.gz ${kalmo_page}.gz)
install(FILES ${kalmo_page}.gz ${kalmo_cli_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
