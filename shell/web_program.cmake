# The browser program: brindles-math.js and brindles-math.wasm in the site
# folder (cmake/web_site.cmake puts the rest beside them).
set(BRINDLE_SITE_DIR ${CMAKE_BINARY_DIR}/site CACHE INTERNAL "")
add_executable(brindles-math web_main.cpp)
target_link_libraries(brindles-math PRIVATE shell)
set_target_properties(brindles-math PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${BRINDLE_SITE_DIR})
target_link_options(brindles-math PRIVATE
  -sENVIRONMENT=web
  -sEXPORTED_FUNCTIONS=_main,_brindle_queue_event,_brindle_handle_events,_malloc,_free
  -sINCOMING_MODULE_JS_API=onRuntimeInitialized,postRun,locateFile,print,printErr
  -sFILESYSTEM=0)
