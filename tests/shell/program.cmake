# The shell through the real gadget layer (offscreen).
foreach(name program_test help_about_test)
  add_executable(${name} ${name}.cpp)
  target_link_libraries(${name} PRIVATE program_fixture)
  gtest_discover_tests(${name} PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endforeach()
