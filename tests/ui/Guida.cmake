geodario_add_test(test_ui_guida SOURCES test_ui_guida.cpp)

# Reads the help document that the build wrote into the program folder.
geodario_add_test(test_ui_guida_pdf SOURCES test_ui_guida_pdf.cpp)
target_compile_definitions(test_ui_guida_pdf PRIVATE GEODARIO_GUIDA_PDF="${GEODARIO_PROGRAM_DIR}/Guida.pdf")
add_dependencies(test_ui_guida_pdf geodario_guida)
