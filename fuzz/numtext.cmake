brindle_fuzzer(parse_number_fuzzer ${CMAKE_CURRENT_SOURCE_DIR}/parse_number_fuzzer.cpp numtext)
brindle_fuzzer(parse_integer_fuzzer ${CMAKE_CURRENT_SOURCE_DIR}/parse_integer_fuzzer.cpp numtext)
brindle_fuzzer(parse_fraction_fuzzer ${CMAKE_CURRENT_SOURCE_DIR}/parse_fraction_fuzzer.cpp numtext)
brindle_fuzzer(parse_angle_fuzzer ${CMAKE_CURRENT_SOURCE_DIR}/parse_angle_fuzzer.cpp numtext)
