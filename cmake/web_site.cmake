# The browser program's folder, build/web/site: the page, its script and
# style, the program (brindles-math.js and .wasm), the web app manifest, icons
# rendered from the project's SVG, a narrow open font, and a service worker
# that keeps all of it for use without a network. Any static web host can
# serve the folder; `cmake --build --preset web --target package` zips it as
# brindles-math-<version>-web.zip.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
# Debian's Python, which has Debian's fonttools (python3-fonttools, python3-brotli).
find_program(BRINDLE_SYSTEM_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
set(site ${BRINDLE_SITE_DIR})
set(site_files)

foreach(file index.html app.css boot.js)
  configure_file(${CMAKE_SOURCE_DIR}/web/${file} ${site}/${file} COPYONLY)
  list(APPEND site_files ${file})
endforeach()
configure_file(${CMAKE_SOURCE_DIR}/gadgets/web/dom.js ${site}/dom.js COPYONLY)
configure_file(${CMAKE_SOURCE_DIR}/web/manifest.webmanifest.in ${site}/manifest.webmanifest @ONLY)
list(APPEND site_files dom.js manifest.webmanifest brindles-math.js brindles-math.wasm)

set(icon_svg ${CMAKE_SOURCE_DIR}/data/org.brindlesmath.BrindlesMath.svg)
foreach(size 192 512)
  add_custom_command(
    OUTPUT ${site}/icon-${size}.png
    COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${site}/icon-${size}.png
            ${icon_svg}
    DEPENDS ${icon_svg} VERBATIM)
  list(APPEND site_files icon-${size}.png)
endforeach()

# DejaVu Sans Condensed, cut down to the characters the program shows: a few
# kilobytes instead of the whole font's 330 KB.
set(font_source /usr/share/fonts/truetype/dejavu/DejaVuSansCondensed.ttf)
add_custom_command(
  OUTPUT ${site}/narrow.woff2
  COMMAND ${BRINDLE_SYSTEM_PYTHON} ${CMAKE_SOURCE_DIR}/web/make_font.py ${font_source}
          ${site}/narrow.woff2
  DEPENDS ${font_source} ${CMAKE_SOURCE_DIR}/web/make_font.py VERBATIM)
list(APPEND site_files narrow.woff2)

# The service worker's cache is named after the version, so that a new version
# replaces the files of the old one on the next visit.
list(JOIN site_files "\",\n  \"./" BRINDLE_SITE_FILES)
set(BRINDLE_SITE_FILES "\"./\",\n  \"./${BRINDLE_SITE_FILES}\"")
configure_file(${CMAKE_SOURCE_DIR}/web/service_worker.js.in ${site}/service_worker.js @ONLY)

list(TRANSFORM site_files PREPEND ${site}/ OUTPUT_VARIABLE site_paths)
add_custom_target(web_site ALL DEPENDS ${site}/icon-192.png ${site}/icon-512.png
                                       ${site}/narrow.woff2)
add_dependencies(web_site brindles-math)

install(DIRECTORY ${site}/ DESTINATION . COMPONENT web)
set(BRINDLE_ZIP_NAME brindles-math-${PROJECT_VERSION}-web)
set(CPACK_PACKAGE_NAME brindles-math)
set(CPACK_PACKAGE_VENDOR "Brindle's Math")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR ZIP)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL web)
set(CPACK_ARCHIVE_WEB_FILE_NAME ${BRINDLE_ZIP_NAME})
# One folder in the zip, named after it, ready to copy to a web host.
set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
