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

foreach(image IN LISTS kalmo_images)
    kalmo_runtime_output(${image})
endforeach()

# With the Makefile generators a custom command's outputs get a rule only in
# the directory that defines it, so a target of this directory owns them, and
# the runtime-files target (made later, in the top directory) is ordered after it.
add_custom_target(kalmo_images ALL DEPENDS ${kalmo_images})

function(kalmo_images_order_runtime_files)
    if(TARGET kalmo_runtime_files)
        add_dependencies(kalmo_runtime_files kalmo_images)
    endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL kalmo_images_order_runtime_files)
