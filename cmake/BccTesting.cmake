find_package(GTest REQUIRED)

# bcc_add_gtest(name SOURCES...): a GoogleTest program registered with CTest, one
# CTest test per test case.
function(bcc_add_gtest name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
    bcc_set_warnings(${name})
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
endfunction()
