add_executable(calc_bench ${CMAKE_CURRENT_SOURCE_DIR}/calc_bench.cpp)
target_link_libraries(calc_bench PRIVATE calculators benchmark::benchmark_main)
