# Installing like a desktop program, and a portable archive.
#
# `cmake --install <build> --prefix <prefix>` puts the program in bin/ with its
# desktop entry, icon and AppStream metadata. The settings file "VaZizi.ini"
# lives beside the program file, so in a folder the user cannot write to
# (/usr/local/bin) settings are silently not kept. The portable archive
# (`cpack` in the build folder) holds the program in one folder of its own that
# runs from wherever it is unpacked and keeps its settings there.
include(GNUInstallDirs)
set(BRINDLE_APP_ID org.brindlesmath.BrindlesMath)
set(BRINDLE_DATA ${CMAKE_SOURCE_DIR}/data)

install(TARGETS brindles-math RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT desktop)
install(FILES ${BRINDLE_DATA}/${BRINDLE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT desktop)
install(FILES ${BRINDLE_DATA}/${BRINDLE_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT desktop)
install(FILES ${BRINDLE_DATA}/${BRINDLE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT desktop)

# The portable folder: the program at its top, beside the icon and a short note.
install(TARGETS brindles-math RUNTIME DESTINATION . COMPONENT portable EXCLUDE_FROM_ALL)
install(FILES ${BRINDLE_DATA}/${BRINDLE_APP_ID}.svg ${BRINDLE_DATA}/PORTABLE.txt
        DESTINATION . COMPONENT portable EXCLUDE_FROM_ALL)

set(CPACK_PACKAGE_NAME brindles-math)
set(CPACK_PACKAGE_VENDOR "Brindle's Math")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR TGZ)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL portable)
set(CPACK_ARCHIVE_PORTABLE_FILE_NAME brindles-math-${PROJECT_VERSION}-portable)
set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PACKAGE_FILE_NAME brindles-math-${PROJECT_VERSION})
include(CPack)
