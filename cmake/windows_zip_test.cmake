# Makes the Windows zip from the build in BUILD, in a folder of its own, and
# checks what a user unpacks from it: the program file, the command-line
# calculator and the read-me with CR LF line ends, nothing else.
# Usage: cmake -DCPACK=<cpack> -DBUILD=<build folder> -DZIP=<zip name> -P windows_zip_test.cmake
set(out ${BUILD}/windows_zip_test)
file(REMOVE_RECURSE ${out})
file(MAKE_DIRECTORY ${out}/unpacked)
execute_process(COMMAND ${CPACK} --config ${BUILD}/CPackConfig.cmake -B ${out}
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cpack failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${out}/${ZIP}
                WORKING_DIRECTORY ${out}/unpacked RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot unpack ${out}/${ZIP}")
endif()

file(GLOB_RECURSE listing LIST_DIRECTORIES true RELATIVE ${out}/unpacked ${out}/unpacked/*)
if(NOT listing STREQUAL "README.txt;brindles-calc.exe;brindles-math.exe")
  message(FATAL_ERROR "the zip holds: ${listing}")
endif()
# The program file, within the 2 MiB it is meant to stay under.
file(SIZE ${out}/unpacked/brindles-math.exe size)
file(READ ${out}/unpacked/brindles-math.exe start LIMIT 2 HEX)
if(NOT start STREQUAL "4d5a" OR size GREATER 2097152)
  message(FATAL_ERROR "brindles-math.exe: not a program file under 2 MiB (${size} bytes)")
endif()
# Read as bytes (a text read drops the CRs), one "hh " each: no CR or LF may
# be left once the CR LF pairs are gone.
file(READ ${out}/unpacked/README.txt hex HEX)
string(REGEX REPLACE "(..)" "\\1 " bytes "${hex}")
string(REPLACE "0d 0a " "" bare "${bytes}")
if(NOT bytes MATCHES "0d 0a " OR bare MATCHES "(^| )0[ad] ")
  message(FATAL_ERROR "README.txt: not every line ends in CR LF")
endif()
