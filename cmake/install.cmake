# Installing like a desktop program, a Debian package, and a portable archive.
#
# `cmake --install <build> --prefix <prefix>` puts the program in bin/ with its
# desktop entry, its icon (SVG and the PNG sizes menus use), AppStream
# metadata, a manual page and the copyright file. `cpack` in the build folder
# makes from the same files the Debian package brindles-math_<version>_amd64.deb
# (installed in /usr), and the portable archive: one folder that runs from
# wherever it is unpacked and keeps its settings there.
include(GNUInstallDirs)
set(BRINDLE_APP_ID org.brindlesmath.BrindlesMath)
set(BRINDLE_DATA ${CMAKE_SOURCE_DIR}/data)
set(BRINDLE_PACKAGE_MAINTAINER "The Brindle's Math team <packages@${AuthorWebAddress}>"
    CACHE STRING "Who answers for the Debian package: a name and an e-mail address")
set(BRINDLE_DOC ${CMAKE_INSTALL_DATADIR}/doc/brindles-math)

# The manual page and the change log are installed compressed, as Debian's
# manual and documentation folders hold them; gzip -n keeps the bytes the same
# from build to build.
find_program(GZIP gzip REQUIRED)
set(packaged ${CMAKE_BINARY_DIR}/packaged)
set(compressed)
foreach(file brindles-math.1 changelog)
  configure_file(${BRINDLE_DATA}/${file}.in ${packaged}/${file} @ONLY)
  add_custom_command(OUTPUT ${packaged}/${file}.gz
    COMMAND ${GZIP} -9nf --keep ${packaged}/${file}
    DEPENDS ${packaged}/${file} VERBATIM)
  list(APPEND compressed ${packaged}/${file}.gz)
endforeach()
add_custom_target(packaged_docs ALL DEPENDS ${compressed})
configure_file(${BRINDLE_DATA}/copyright.in ${packaged}/copyright @ONLY)

install(TARGETS brindles-math RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT desktop)
install(FILES ${BRINDLE_DATA}/${BRINDLE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT desktop)
# The icons are installed with their rendering (cmake/icons.cmake).
install(FILES ${BRINDLE_DATA}/${BRINDLE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT desktop)
install(FILES ${packaged}/brindles-math.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
        COMPONENT desktop)
install(FILES ${packaged}/copyright ${packaged}/changelog.gz DESTINATION ${BRINDLE_DOC}
        COMPONENT desktop)

# The portable folder: the start script at its top, beside the program, the
# icon and a short note. The settings file goes beside the program file, so in
# this folder too.
install(PROGRAMS ${BRINDLE_DATA}/portable-start.sh DESTINATION . RENAME brindles-math
        COMPONENT portable EXCLUDE_FROM_ALL)
install(PROGRAMS $<TARGET_FILE:brindles-math> DESTINATION . RENAME brindles-math.bin
        COMPONENT portable EXCLUDE_FROM_ALL)
install(FILES ${BRINDLE_DATA}/${BRINDLE_APP_ID}.svg ${BRINDLE_DATA}/PORTABLE.txt
        DESTINATION . COMPONENT portable EXCLUDE_FROM_ALL)

set(CPACK_PACKAGE_NAME brindles-math)
set(CPACK_PACKAGE_VENDOR "Brindle's Math")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME brindles-math-${PROJECT_VERSION})
set(CPACK_GENERATOR TGZ DEB)
# Each generator takes its own component (cmake/cpack_components.cmake).
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/cmake/cpack_components.cmake)
set(CPACK_STRIP_FILES ON)

set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_ARCHIVE_PORTABLE_FILE_NAME brindles-math-${PROJECT_VERSION}-portable)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${BRINDLE_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://${AuthorWebAddress})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "shop mathematics calculator for the welding bench")
set(CPACK_PACKAGE_DESCRIPTION "A small desktop calculator for the everyday arithmetic of a metal shop: a
triangle solver, a circle and bolt-circle calculator, a rectangle calculator,
a bend allowance calculator and a unit converter. Lengths are typed and shown
as mixed fractions to the nearest sixty-fourth of an inch, or as decimals.")
# The libraries the program links come from dpkg-shlibdeps. The fonts are
# loaded by name: the captions were fitted to these two.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-urw-base35 | fonts-dejavu-extra")
include(CPack)
