# One fuzzer per calculation: field texts split on '|' after a control byte.
foreach(name triangle circle square bend converter material)
  brindle_fuzzer(calc_${name}_fuzzer ${CMAKE_CURRENT_SOURCE_DIR}/calc_${name}_fuzzer.cpp calc)
endforeach()
