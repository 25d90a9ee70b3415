# The calculators' help texts and the command-line calculator need no toolkit.
add_executable(help_texts_test help_texts_test.cpp)
target_link_libraries(help_texts_test PRIVATE calculators GTest::gtest_main)
# The lines the texts must hold are golden rows beside the tests.
target_compile_definitions(help_texts_test PRIVATE
                           BRINDLE_GOLDEN_DIR="${CMAKE_CURRENT_SOURCE_DIR}/golden")
gtest_discover_tests(help_texts_test)

# The command-line calculator reads the calculations' golden rows.
add_executable(calc_command_test calc_command_test.cpp)
target_link_libraries(calc_command_test PRIVATE calc_command GTest::gtest_main)
target_compile_definitions(calc_command_test PRIVATE
                           BRINDLE_GOLDEN_DIR="${CMAKE_SOURCE_DIR}/tests/calc/golden")
gtest_discover_tests(calc_command_test)
