# The pages' drawings: each SVG in data/diagrams/ rendered at 100 %, 150 % and
# 200 % of its size into PNG images, each carried inside the program as an
# array in a header of its own (diagrams/<name>_<percent>.h, array
# k<Name><percent>). Needs rsvg-convert (Debian: librsvg2-bin). Sets
# BRINDLE_DIAGRAM_HEADERS and BRINDLE_DIAGRAM_INCLUDE_DIR.
# The browser draws an SVG itself, sharp at any scale: its build carries each
# drawing's SVG instead (diagrams/<name>_svg.h, array k<Name>Svg), which is a
# fraction of the images' size.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(BRINDLE_DIAGRAM_INCLUDE_DIR ${CMAKE_BINARY_DIR}/diagrams-include)
set(folder ${BRINDLE_DIAGRAM_INCLUDE_DIR}/diagrams)
set(BRINDLE_DIAGRAM_HEADERS)
set(percents 100 150 200)
set(zooms 1 1.5 2)
foreach(name triangle bender)
  set(svg ${CMAKE_SOURCE_DIR}/data/diagrams/${name}.svg)
  string(SUBSTRING ${name} 0 1 first)
  string(TOUPPER ${first} first)
  string(SUBSTRING ${name} 1 -1 rest)
  if(EMSCRIPTEN)
    set(header ${folder}/${name}_svg.h)
    add_custom_command(
      OUTPUT ${header}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
      COMMAND ${CMAKE_COMMAND} -DIN=${svg} -DOUT=${header} -DNAME=k${first}${rest}Svg
              -P ${CMAKE_SOURCE_DIR}/cmake/embed_file.cmake
      DEPENDS ${svg} ${CMAKE_SOURCE_DIR}/cmake/embed_file.cmake VERBATIM)
    list(APPEND BRINDLE_DIAGRAM_HEADERS ${header})
    continue()
  endif()
  foreach(percent zoom IN ZIP_LISTS percents zooms)
    set(png ${folder}/${name}_${percent}.png)
    set(header ${folder}/${name}_${percent}.h)
    add_custom_command(
      OUTPUT ${header}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
      COMMAND ${RSVG_CONVERT} --zoom ${zoom} --output ${png} ${svg}
      COMMAND ${CMAKE_COMMAND} -DIN=${png} -DOUT=${header} -DNAME=k${first}${rest}${percent}
              -P ${CMAKE_SOURCE_DIR}/cmake/embed_file.cmake
      DEPENDS ${svg} ${CMAKE_SOURCE_DIR}/cmake/embed_file.cmake VERBATIM)
    list(APPEND BRINDLE_DIAGRAM_HEADERS ${header})
  endforeach()
endforeach()
