# GoogleTest for a cross build: Debian's libgtest-dev holds Linux libraries
# only, so GoogleTest is built here from the sources that Debian's googletest
# package ships, with the same compiler as the program, under the names that
# find_package(GTest) gives.
set(BRINDLE_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources")
if(NOT EXISTS ${BRINDLE_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${BRINDLE_GOOGLETEST_SOURCE} "
                      "(Debian: apt-get install googletest)")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(${BRINDLE_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# Not the project's code: its warnings are not the project's to fix.
foreach(target gtest gtest_main)
  target_compile_options(${target} PRIVATE -w)
endforeach()
# GoogleTest's own build names them GTest::gtest and GTest::gtest_main.
# Listing a test program's tests means running it under Wine: done when the
# tests run, not after every link. The build makes the Wine folder beforehand,
# so that no listing waits for Wine to set itself up.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
if(WIN32 AND CMAKE_CROSSCOMPILING_EMULATOR)
  add_custom_target(wine_folder ALL COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --prepare
                    COMMENT "Making the Wine folder for the tests" VERBATIM)
endif()
