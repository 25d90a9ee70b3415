# The shell proper: start-up, the event loop and its dispatch, the main, help
# and about windows. Toolkit-free; the gadget layer carries the windows.
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/author_web_address.h.in
               ${CMAKE_CURRENT_BINARY_DIR}/generated/shell/author_web_address.h @ONLY)

add_library(shell STATIC
  shell_state.cpp
  program.cpp
  main_window.cpp
  help_window.cpp
  about_window.cpp
)
target_include_directories(shell PUBLIC ${BRINDLE_SOURCE_ROOT}
                           PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/generated)
target_link_libraries(shell PUBLIC pages gadgets settings)

if(EMSCRIPTEN)
  # The browser program has its own entry point: shell/web_main.cpp.
  include(${CMAKE_CURRENT_SOURCE_DIR}/web_program.cmake)
  return()
endif()

# The window icon, carried inside the program.
include(${CMAKE_SOURCE_DIR}/cmake/icons.cmake)
add_custom_command(
  OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/generated/shell/window_icon.h
  COMMAND ${CMAKE_COMMAND} -DIN=${BRINDLE_WINDOW_ICON_PNG}
          -DOUT=${CMAKE_CURRENT_BINARY_DIR}/generated/shell/window_icon.h -DNAME=kWindowIconPng
          -P ${CMAKE_SOURCE_DIR}/cmake/embed_file.cmake
  DEPENDS ${BRINDLE_WINDOW_ICON_PNG} ${CMAKE_SOURCE_DIR}/cmake/embed_file.cmake)

add_executable(brindles-math main.cpp ${CMAKE_CURRENT_BINARY_DIR}/generated/shell/window_icon.h)
target_include_directories(brindles-math PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/generated)
target_link_libraries(brindles-math PRIVATE shell)
set_target_properties(brindles-math PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
