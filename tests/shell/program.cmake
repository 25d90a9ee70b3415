# The shell through the real gadget layer (offscreen).
add_executable(program_test program_test.cpp help_about_test.cpp)
target_link_libraries(program_test PRIVATE program_fixture)
gtest_discover_tests(program_test PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
