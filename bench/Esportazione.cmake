# Spreadsheet export on 100,000 cards: grid filling and file writing.
add_executable(bench_export ${CMAKE_CURRENT_LIST_DIR}/bench_export.cpp)
target_link_libraries(bench_export PRIVATE geodario_gui)
