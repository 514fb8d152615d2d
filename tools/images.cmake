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
