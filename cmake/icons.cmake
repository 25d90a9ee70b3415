# The program's icon: the one SVG in data/, and the bitmaps that menus, panels
# and title bars show, rendered from it at build time into the hicolor theme's
# folders. The 64-pixel one is also the window icon the program carries inside
# itself. Needs rsvg-convert (Debian: librsvg2-bin). The Windows program
# file also carries an .ico made from four of them, for Explorer and its windows.
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
set(BRINDLE_WINDOW_ICON_PNG ${icon_theme}/64x64/apps/${icon_name}.png)

if(WIN32)
  # The small sizes as bitmaps, which every Windows draws; the 256-pixel one
  # kept as PNG, as Windows' own icons store it. Needs icotool (Debian: icoutils).
  find_program(ICOTOOL icotool REQUIRED)
  set(ico ${CMAKE_BINARY_DIR}/icons/brindles-math.ico)
  set(bitmaps)
  foreach(size 16 32 48)
    list(APPEND bitmaps ${icon_theme}/${size}x${size}/apps/${icon_name}.png)
  endforeach()
  set(large ${icon_theme}/256x256/apps/${icon_name}.png)
  add_custom_command(
    OUTPUT ${ico}
    COMMAND ${ICOTOOL} --create --output=${ico} ${bitmaps} --raw=${large}
    DEPENDS ${bitmaps} ${large} VERBATIM)
  add_custom_target(icons ALL DEPENDS ${pngs} ${ico})
  # For the resource script (gadgets/win32/).
  set_property(TARGET icons PROPERTY PROGRAM_ICO ${ico})
  return()
endif()
add_custom_target(icons ALL DEPENDS ${pngs})

include(GNUInstallDirs)
install(FILES ${icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        COMPONENT desktop)
install(DIRECTORY ${icon_theme} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons COMPONENT desktop)
