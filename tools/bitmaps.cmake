# The report bitmaps are drawn at build time by make_bitmaps from the formula
# sources in resources/formulas and written straight into the program directory:
#   NNN.bmp, Res_NNN.bmp          formula NNN on the printer and in a PDF
#   prxlogo.bmp, Res_prxlogo.bmp  the logo of the page header

add_executable(make_bitmaps ${CMAKE_CURRENT_LIST_DIR}/make_bitmaps.cpp)
target_link_libraries(make_bitmaps PRIVATE Qt6::Gui)
# Keep the generator out of the program directory.
set_target_properties(make_bitmaps PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools
    AUTOMOC OFF)

set(kalmo_formula_dir ${CMAKE_SOURCE_DIR}/resources/formulas)
file(GLOB kalmo_formula_sources CONFIGURE_DEPENDS ${kalmo_formula_dir}/*.txt)
set(kalmo_bitmaps
    ${KALMO_PROGRAM_DIR}/prxlogo.bmp
    ${KALMO_PROGRAM_DIR}/Res_prxlogo.bmp)
foreach(source IN LISTS kalmo_formula_sources)
    get_filename_component(number ${source} NAME_WE)
    list(APPEND kalmo_bitmaps
        ${KALMO_PROGRAM_DIR}/${number}.bmp
        ${KALMO_PROGRAM_DIR}/Res_${number}.bmp)
endforeach()

add_custom_command(OUTPUT ${kalmo_bitmaps}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:make_bitmaps> ${kalmo_formula_dir} ${KALMO_PROGRAM_DIR}
    DEPENDS make_bitmaps ${kalmo_formula_sources}
    COMMENT "Drawing the formula and logo bitmaps of the reports"
    VERBATIM)

kalmo_runtime_outputs(kalmo_bitmaps ${kalmo_bitmaps})
