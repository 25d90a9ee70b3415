add_executable(help_texts_test help_texts_test.cpp)
target_link_libraries(help_texts_test PRIVATE shell_texts GTest::gtest_main)
# The lines the texts must hold are golden rows beside the tests.
target_compile_definitions(help_texts_test PRIVATE
                           BRINDLE_GOLDEN_DIR="${CMAKE_CURRENT_SOURCE_DIR}/golden")
gtest_discover_tests(help_texts_test)
