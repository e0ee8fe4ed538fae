# geodario_add_test(NAME SOURCES... [UNPRIVILEGED])
# Registers a QtTest executable with ctest, headless. UNPRIVILEGED tests run as "nobody" when ctest runs
# as root, because for root no file is read-only and permission tests would test nothing.
function(geodario_add_test name)
    cmake_parse_arguments(ARG "UNPRIVILEGED" "" "SOURCES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_link_libraries(${name} PRIVATE geodario_test_support)
    if(ARG_UNPRIVILEGED)
        add_test(NAME ${name}
                 COMMAND ${CMAKE_SOURCE_DIR}/tests/run_unprivileged.sh $<TARGET_FILE:${name}>)
    else()
        add_test(NAME ${name} COMMAND ${name})
    endif()
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;GEODARIO_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
        TIMEOUT 300)
endfunction()
