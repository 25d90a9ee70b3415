# The browser program, built with emscripten (the `web` preset): compile
# settings for every library of that build.

# Small code for a program fetched over the air; no exceptions are caught.
add_compile_options(-Os)
add_link_options(-Os -sALLOW_MEMORY_GROWTH=1)
# Debian's emscripten runs its JavaScript tools (acorn, terser) with Node, from
# Debian's Node modules, which a Node from elsewhere does not look in.
set_property(GLOBAL PROPERTY RULE_LAUNCH_LINK "${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs")
