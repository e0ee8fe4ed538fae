# Printing a result list. The second run has a system date format with another separator.
geodario_add_test(test_search_stampa SOURCES test_search_stampa.cpp ${CMAKE_SOURCE_DIR}/tests/report/SupportoStampa.h)
target_include_directories(test_search_stampa PRIVATE ${CMAKE_SOURCE_DIR}/tests/report)
add_test(NAME test_search_stampa_separatore COMMAND test_search_stampa dataStampa)
set_tests_properties(test_search_stampa_separatore PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;GEODARIO_SOURCE_DIR=${CMAKE_SOURCE_DIR};LC_ALL=de_DE.UTF-8;GEODARIO_SEPARATORE_DATA=."
    TIMEOUT 300)

# Specimen labels; the QR codes are read back with zbarimg (zbar-tools).
geodario_add_test(test_search_etichette SOURCES test_search_etichette.cpp ${CMAKE_SOURCE_DIR}/tests/report/SupportoStampa.h)
target_include_directories(test_search_etichette PRIVATE ${CMAKE_SOURCE_DIR}/tests/report)
