add_executable(numtext_bench ${CMAKE_CURRENT_SOURCE_DIR}/numtext_bench.cpp)
target_link_libraries(numtext_bench PRIVATE numtext benchmark::benchmark_main)
