# Printing the result lists: the "Riepilogo dati" template and the print action of the "Stampa" buttons.
target_sources(geodario_gui PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR}/StampaElenco.cpp ${CMAKE_CURRENT_SOURCE_DIR}/StampaElenco.h)
