# Spreadsheet export: the writer and the grid's model in core, the export window in gui.
target_sources(geodario_core PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR}/Esportazione.cpp ${CMAKE_CURRENT_SOURCE_DIR}/Esportazione.h
    ${CMAKE_CURRENT_SOURCE_DIR}/ModelloEsportazione.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ModelloEsportazione.h)
target_sources(geodario_gui PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR}/ExpCartoline.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ExpCartoline.h
    ${CMAKE_SOURCE_DIR}/resources/output.qrc)
