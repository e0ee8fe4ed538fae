# The printed specimen sheet: template, preview and print windows over a fake editor.
geodario_add_test(test_output_scheda SOURCES test_output_scheda.cpp ${CMAKE_SOURCE_DIR}/tests/report/SupportoStampa.h)
target_include_directories(test_output_scheda PRIVATE ${CMAKE_SOURCE_DIR}/tests/report)
