# The printing seam: print dialog, PDF and picture output, the preview hook for tests.
target_sources(geodario_gui PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR}/Stampa.cpp ${CMAKE_CURRENT_SOURCE_DIR}/Stampa.h)
