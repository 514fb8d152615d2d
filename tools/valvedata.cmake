# The valve data files, one per valve type of the catalogue and named exactly as
# the type text, are written by make_valve_data from the catalogue in the core
# straight into the program directory. The names hold blanks and a Polish
# letter; make_valve_data checks that this list matches the catalogue.

add_executable(make_valve_data ${CMAKE_CURRENT_LIST_DIR}/make_valve_data.cpp)
target_link_libraries(make_valve_data PRIVATE kalmo_core)
# Keep the generator out of the program directory.
set_target_properties(make_valve_data PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools
    AUTOMOC OFF)

set(kalmo_valve_types
    "SV10"
    "SV20"
    "SV30"
    "SV20.N"
    "SV20.N w Tandor 40DN15"
    "SV20.N w Tandor 40DN20"
    "SV20.N w Tandor 50DN20"
    "SV20.N w centrum bezpieczeństwa SC70")

set(kalmo_valve_files "")
foreach(type IN LISTS kalmo_valve_types)
    list(APPEND kalmo_valve_files "${KALMO_PROGRAM_DIR}/${type}")
endforeach()

add_custom_command(OUTPUT ${kalmo_valve_files}
    COMMAND make_valve_data ${KALMO_PROGRAM_DIR} ${kalmo_valve_types}
    DEPENDS make_valve_data
    COMMENT "Writing the valve data files"
    VERBATIM)

kalmo_runtime_outputs(kalmo_valve_data ${kalmo_valve_files})
