# Writes a C++ header holding a file's bytes as an array, for data the program
# carries inside itself. Run as: cmake -DIN=<file> -DOUT=<header> -DNAME=<identifier> -P embed_file.cmake
file(READ ${IN} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE ${OUT} "#pragma once\n// Generated from ${IN}.\ninline constexpr unsigned char ${NAME}[] = {${bytes}};\n")
