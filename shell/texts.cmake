# The help texts and the about window's credit line are plain data with no
# toolkit in sight, so their tests build without the GUI.
add_library(shell_texts STATIC help_texts.cpp)
target_include_directories(shell_texts PUBLIC ${BRINDLE_SOURCE_ROOT})
