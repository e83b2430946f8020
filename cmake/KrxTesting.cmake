# krx_add_test(<name> SOURCES <files>... [LIBS <targets>...] [THREADS])
#
# One GoogleTest executable, discovered test by test. THREADS labels its tests "threads": those are the
# ones the ThreadSanitizer preset runs. Every test gets a HOME and TMPDIR inside the build tree as a
# safety net; a test touching either still makes its own with krx::test::IsolatedEnvironment.
set(KRX_TEST_SANDBOX "${CMAKE_BINARY_DIR}/test-sandbox")
file(MAKE_DIRECTORY "${KRX_TEST_SANDBOX}/home" "${KRX_TEST_SANDBOX}/tmp")

function(krx_add_test name)
    cmake_parse_arguments(ARG "THREADS" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE krx_common krx_test_support GTest::gtest_main GTest::gmock ${ARG_LIBS})
    # Each property value must be a single item: gtest_discover_tests splits list values apart, which
    # would shift every following property name and value.
    set(label unit)
    if(ARG_THREADS)
        set(label threads)
    endif()
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60
        PROPERTIES
            LABELS "${label}"
            TIMEOUT 600
            ENVIRONMENT "HOME=${KRX_TEST_SANDBOX}/home"
            ENVIRONMENT_MODIFICATION "TMPDIR=set:${KRX_TEST_SANDBOX}/tmp")
endfunction()
