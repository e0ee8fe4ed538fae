# The help topics are plain data, shared with the help-document tool, which links only the core library.
target_sources(geodario_core PRIVATE
    ArgomentiGuida.cpp ArgomentiGuida.h
    Indirizzi.h)
target_sources(geodario_gui PRIVATE
    Guida.cpp Guida.h
    ${CMAKE_SOURCE_DIR}/resources/guida.qrc)
