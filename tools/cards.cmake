# The catalogue cards are written at build time by make_cards from the valve
# catalogue of the core, straight into the program directory; print mode 1
# sends the card of the report's valve to the printer after the report.

add_executable(make_cards ${CMAKE_CURRENT_LIST_DIR}/make_cards.cpp)
target_link_libraries(make_cards PRIVATE kalmo_core Qt6::Gui)
# Keep the generator out of the program directory.
set_target_properties(make_cards PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools
    AUTOMOC OFF)

# The names are the catalogue's (Catalogue::CardFile); a test checks that each exists.
set(kalmo_cards
    ${KALMO_PROGRAM_DIR}/karta_SV10_zawor_bezp_102k11.pdf
    ${KALMO_PROGRAM_DIR}/karta_SV20_zawor_bezp_102k11.pdf
    ${KALMO_PROGRAM_DIR}/karta_SV30new_armatura_zabezp_072k11.pdf
    ${KALMO_PROGRAM_DIR}/karta_SV20N_zawor_bezp_082k5.pdf
    ${KALMO_PROGRAM_DIR}/karta_40_50_zesp_bezp_092k8.pdf
    ${KALMO_PROGRAM_DIR}/karta_SC70_centrum_bezp_012k8.pdf)

add_custom_command(OUTPUT ${kalmo_cards}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:make_cards> ${KALMO_PROGRAM_DIR}
    DEPENDS make_cards
    COMMENT "Writing the catalogue cards"
    VERBATIM)

kalmo_runtime_outputs(kalmo_cards ${kalmo_cards})
