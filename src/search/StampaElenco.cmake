# Printing the result lists: the "Riepilogo dati" template and the print action of the "Stampa" buttons;
# the specimen labels with their QR codes.
find_package(PkgConfig REQUIRED)
pkg_check_modules(QRENCODE REQUIRED IMPORTED_TARGET GLOBAL libqrencode)
target_sources(geodario_gui PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR}/StampaElenco.cpp ${CMAKE_CURRENT_SOURCE_DIR}/StampaElenco.h
    ${CMAKE_CURRENT_SOURCE_DIR}/Etichette.cpp ${CMAKE_CURRENT_SOURCE_DIR}/Etichette.h)
target_link_libraries(geodario_gui PRIVATE PkgConfig::QRENCODE)
