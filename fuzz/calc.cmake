# One fuzzer per calculation: field texts split on '|' after a control byte.
foreach(name triangle circle square bend)
  brindle_fuzzer(calc_${name}_fuzzer ${CMAKE_CURRENT_SOURCE_DIR}/calc_${name}_fuzzer.cpp calc
                 SEEDS ${name} DICTIONARY shop_text calc_fields)
endforeach()
# The converter: two drop-down bytes, then the text.
brindle_fuzzer(calc_converter_fuzzer ${CMAKE_CURRENT_SOURCE_DIR}/calc_converter_fuzzer.cpp calc
               SEEDS converter DICTIONARY shop_text)
# Tape math: a control byte (Round To), the expression, "|", the tape.
brindle_fuzzer(tape_math_fuzzer ${CMAKE_CURRENT_SOURCE_DIR}/tape_math_fuzzer.cpp calc
               SEEDS shop_text DICTIONARY shop_text)
# Metal Weight and Weld Metal: the control byte picks the page and its drop-downs.
brindle_fuzzer(calc_material_fuzzer ${CMAKE_CURRENT_SOURCE_DIR}/calc_material_fuzzer.cpp calc
               SEEDS shop_text DICTIONARY shop_text calc_fields)
