# Spreadsheet export: expected files in dati/ were written from the file format, not by the program.
geodario_add_test(test_output_export SOURCES test_output_export.cpp SchedeEsportazione.h)
target_compile_definitions(test_output_export PRIVATE DATI_ESPORTAZIONE="${CMAKE_CURRENT_SOURCE_DIR}/dati")
geodario_add_test(test_output_export_permessi SOURCES test_output_export_permessi.cpp SchedeEsportazione.h
                  UNPRIVILEGED)
