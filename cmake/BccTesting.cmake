find_package(GTest REQUIRED)
find_package(Qt6 REQUIRED COMPONENTS Test)

# bcc_add_gtest(name SOURCES...): a GoogleTest program registered with CTest, one
# CTest test per test case.
function(bcc_add_gtest name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
    bcc_set_warnings(${name})
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
endfunction()

# bcc_add_qtest(name SOURCES... LIBRARIES... [TIMEOUT seconds]): a Qt Test
# program, run on the offscreen platform in a fixed locale so that results never
# depend on the machine's display or language.
function(bcc_add_qtest name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "TIMEOUT" "SOURCES;LIBRARIES")
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} Qt6::Test)
    bcc_set_warnings(${name})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8")
    if(arg_TIMEOUT)
        set_tests_properties(${name} PROPERTIES TIMEOUT ${arg_TIMEOUT})
    endif()
endfunction()
