# The pictures the program shows are drawn at build time by make_images and
# written straight into the program directory:
#   photo.jpg   about dialog
#   koniec.png  exit dialog
#   kalmo.png   program icon

add_executable(make_images ${CMAKE_CURRENT_LIST_DIR}/make_images.cpp)
target_link_libraries(make_images PRIVATE Qt6::Gui)
# Keep the generator out of the program directory.
set_target_properties(make_images PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools
    AUTOMOC OFF)

set(kalmo_images
    ${KALMO_PROGRAM_DIR}/photo.jpg
    ${KALMO_PROGRAM_DIR}/koniec.png
    ${KALMO_PROGRAM_DIR}/kalmo.png)

add_custom_command(OUTPUT ${kalmo_images}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:make_images> ${KALMO_PROGRAM_DIR}
    DEPENDS make_images
    COMMENT "Drawing the program's pictures"
    VERBATIM)

kalmo_runtime_outputs(kalmo_images ${kalmo_images})

# The program icon for the desktop's menu, in the sizes of the hicolor theme,
# outside the program directory.
set(KALMO_ICON_SIZES 16 22 24 32 48 64 128 256)
set(KALMO_ICON_DIR ${CMAKE_BINARY_DIR}/icons/hicolor)
set(kalmo_icons)
foreach(size IN LISTS KALMO_ICON_SIZES)
    list(APPEND kalmo_icons ${KALMO_ICON_DIR}/${size}x${size}/apps/kalmo.png)
    install(FILES ${KALMO_ICON_DIR}/${size}x${size}/apps/kalmo.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_command(OUTPUT ${kalmo_icons}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:make_images> --icons ${KALMO_ICON_DIR} ${KALMO_ICON_SIZES}
    DEPENDS make_images
    COMMENT "Drawing the program's icon for the desktop"
    VERBATIM)
add_custom_target(kalmo_icons ALL DEPENDS ${kalmo_icons})
