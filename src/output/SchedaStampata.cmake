# The printed specimen sheet: its template, the preview and print windows, and what they need of the editor.
target_sources(geodario_core PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR}/SchedaMinerale.cpp ${CMAKE_CURRENT_SOURCE_DIR}/SchedaMinerale.h)
target_sources(geodario_gui PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR}/SchedaInStampa.h
    ${CMAKE_CURRENT_SOURCE_DIR}/FinestraScheda.cpp ${CMAKE_CURRENT_SOURCE_DIR}/FinestraScheda.h
    ${CMAKE_CURRENT_SOURCE_DIR}/AnteprimaCartolina.cpp ${CMAKE_CURRENT_SOURCE_DIR}/AnteprimaCartolina.h
    ${CMAKE_CURRENT_SOURCE_DIR}/StampaCartolina.cpp ${CMAKE_CURRENT_SOURCE_DIR}/StampaCartolina.h
    ${CMAKE_SOURCE_DIR}/resources/report.qrc)
