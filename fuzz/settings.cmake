brindle_fuzzer(settings_fuzzer ${CMAKE_CURRENT_SOURCE_DIR}/settings_fuzzer.cpp settings
               SEEDS settings DICTIONARY settings)
