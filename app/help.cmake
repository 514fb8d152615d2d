target_sources(kalmo_gui PRIVATE HelpViewer.h HelpViewer.cpp)
