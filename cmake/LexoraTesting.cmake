# lexora_add_test(NAME name SOURCES ... LIBS ...)
# One test executable per folder; every test runs headless against the
# offscreen platform and is discovered when ctest runs, not at build time.
function(lexora_add_test)
    cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_link_libraries(${T_NAME} PRIVATE lexora_testmain ${T_LIBS})
    gtest_discover_tests(${T_NAME}
        DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
        DISCOVERY_TIMEOUT 60)
endfunction()
