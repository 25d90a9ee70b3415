# The Windows program's zip, brindles-math-<version>-windows-x64.zip: the
# program file, the command-line calculator and a read-me, nothing to install. Made on the build machine,
# without Wine: `cmake --build --preset windows --target package`.
set(readme ${CMAKE_BINARY_DIR}/packaged/README.txt)
# Notepad on older Windows shows a file with bare LF line ends as one line.
configure_file(${CMAKE_SOURCE_DIR}/data/README-windows.txt.in ${readme} @ONLY
               NEWLINE_STYLE CRLF)
install(TARGETS brindles-math brindles-calc RUNTIME DESTINATION . COMPONENT windows)
install(FILES ${readme} DESTINATION . COMPONENT windows)

set(BRINDLE_ZIP_NAME brindles-math-${PROJECT_VERSION}-windows-x64)
set(CPACK_PACKAGE_NAME brindles-math)
set(CPACK_PACKAGE_VENDOR "Brindle's Math")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR ZIP)
set(CPACK_STRIP_FILES ON)
# Only the program and the read-me, at the top of the zip: Extract All makes
# the folder, named after the zip.
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL windows)
set(CPACK_ARCHIVE_WINDOWS_FILE_NAME ${BRINDLE_ZIP_NAME})
set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)

if(BUILD_TESTING)
  add_test(NAME windows_zip
           COMMAND ${CMAKE_COMMAND} -DCPACK=${CMAKE_CPACK_COMMAND} -DBUILD=${CMAKE_BINARY_DIR}
                   -DZIP=${BRINDLE_ZIP_NAME}.zip -P ${CMAKE_SOURCE_DIR}/cmake/windows_zip_test.cmake)
  set_tests_properties(windows_zip PROPERTIES LABELS package TIMEOUT 120)
endif()
