# In-process response times of the program (offscreen platform) and the
# start-up measurement under a real X server (bench/startup).
if(BRINDLE_GUI)
  add_executable(gui_bench ${CMAKE_CURRENT_SOURCE_DIR}/gui_bench.cpp)
  target_link_libraries(gui_bench PRIVATE shell gadgets_testing benchmark::benchmark)
  add_subdirectory(${CMAKE_CURRENT_SOURCE_DIR}/startup ${CMAKE_CURRENT_BINARY_DIR}/startup)
endif()
