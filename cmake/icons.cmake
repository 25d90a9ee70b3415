# The program's icon: the one SVG in data/, and the bitmaps that menus, panels
# and title bars show, rendered from it at build time into the hicolor theme's
# folders. The 64-pixel one is also the window icon the program carries inside
# itself. Needs rsvg-convert (Debian: librsvg2-bin).
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_name org.brindlesmath.BrindlesMath)
set(icon_svg ${CMAKE_SOURCE_DIR}/data/${icon_name}.svg)
set(icon_theme ${CMAKE_BINARY_DIR}/icons/hicolor)
set(pngs)
foreach(size 16 22 24 32 48 64 128 256)
  set(folder ${icon_theme}/${size}x${size}/apps)
  add_custom_command(
    OUTPUT ${folder}/${icon_name}.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${folder}/${icon_name}.png
            ${icon_svg}
    DEPENDS ${icon_svg} VERBATIM)
  list(APPEND pngs ${folder}/${icon_name}.png)
endforeach()
add_custom_target(icons ALL DEPENDS ${pngs})
set(BRINDLE_WINDOW_ICON_PNG ${icon_theme}/64x64/apps/${icon_name}.png)

include(GNUInstallDirs)
install(FILES ${icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        COMPONENT desktop)
install(DIRECTORY ${icon_theme} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons COMPONENT desktop)
