foreach(name number integer fraction angle field_text)
  brindle_fuzzer(parse_${name}_fuzzer ${CMAKE_CURRENT_SOURCE_DIR}/parse_${name}_fuzzer.cpp numtext
                 SEEDS shop_text DICTIONARY shop_text)
endforeach()
