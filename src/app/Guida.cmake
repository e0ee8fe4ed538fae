target_sources(geodario_gui PRIVATE
    Info.cpp Info.h
    Splash.cpp Splash.h)
