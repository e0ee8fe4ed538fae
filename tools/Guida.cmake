# The help document: laid out from the same topic texts as the help window, written into the program
# folder on every build where the texts changed.
add_executable(geodario_guida_pdf GuidaPdf.cpp)
target_link_libraries(geodario_guida_pdf PRIVATE geodario_core)
set_target_properties(geodario_guida_pdf PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
add_custom_command(OUTPUT ${GEODARIO_PROGRAM_DIR}/Guida.pdf
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:geodario_guida_pdf>
            ${GEODARIO_PROGRAM_DIR}/Guida.pdf
    DEPENDS geodario_guida_pdf
    COMMENT "Help document Guida.pdf in the program folder"
    VERBATIM)
add_custom_target(geodario_guida ALL DEPENDS ${GEODARIO_PROGRAM_DIR}/Guida.pdf)
add_dependencies(geodario geodario_guida)
