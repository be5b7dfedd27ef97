# The web edition's static site, build-web/site/: a page per program, the start page that lists
# them, the style sheet, the pictures and the fonts; it works as it is from any web server and
# opened from disk. Built with Emscripten (scripts/web.sh).

set(DRILL_WEB_SITE ${PROJECT_BINARY_DIR}/site)
# Nothing from anywhere but the site itself, nothing sent, nothing run but the page's own script
# and its WebAssembly; styles only from the style sheet and what the script sets.
set(DRILL_WEB_POLICY "default-src 'none'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; img-src 'self'; font-src 'self'; base-uri 'none'; form-action 'none'")
# What a page says where the browser runs no scripts or has no WebAssembly.
set(DRILL_WEB_NEEDS "Для упражнения нужен браузер с включёнными скриптами и WebAssembly.")
# One file a page: the WebAssembly inlined in the script, so that nothing is fetched that a page
# opened from disk could not fetch, and compiled at once from there (the asynchronous way would first
# fetch the inlined data, a request the policy refuses); embind without generated code, which the
# policy forbids. The smaller allocator and nothing of the C library's formatting or file system keep
# a page's code small (web/dom.h).
set(DRILL_WEB_LINK_OPTIONS -lembind -sENVIRONMENT=web -sSINGLE_FILE=1 -sDYNAMIC_EXECUTION=0
  -sWASM_ASYNC_COMPILATION=0 -sALLOW_MEMORY_GROWTH=1 -sMALLOC=emmalloc -sFILESYSTEM=0
  -sINCOMING_MODULE_JS_API=[] -sTEXTDECODER=2 --pre-js ${PROJECT_SOURCE_DIR}/web/no_webassembly.js)
# The Liberation faces, metric-compatible stand-ins for the design's, shipped for the systems that
# have neither: subset to what the programs show and what either keyboard layout types.
set(DRILL_WEB_FONT_FOLDER /usr/share/fonts/truetype/liberation)
# The faces the window descriptions name: bold sans; serif regular, bold and bold italic.
set(DRILL_WEB_FONTS LiberationSans-Bold LiberationSerif-Regular LiberationSerif-Bold LiberationSerif-BoldItalic)
set(DRILL_WEB_FONT_CHARACTERS "U+0020-007E,U+00A0-00FF,U+0400-045F,U+2010-2026,U+2030-203A,U+2116")

# drill_add_web_page(NAME MENU_NAME ASSET...): the program's page NAME.html, its script NAME.js and
# its pictures under NAME/, as the window descriptions name them (":/NAME/icon.svg").
function(drill_add_web_page name menuName)
  set(main ${CMAKE_CURRENT_BINARY_DIR}/${name}_page.cpp)
  file(CONFIGURE OUTPUT ${main} CONTENT [[
#include "programs/@name@/@name@.h"
#include "web/program_page.h"

int main() { drillweb::RunProgram(@name@::Program()); }
]] @ONLY)
  add_executable(${name}_page ${main})
  target_link_libraries(${name}_page PRIVATE ${name}_program drill_web)
  target_link_options(${name}_page PRIVATE ${DRILL_WEB_LINK_OPTIONS})
  set_target_properties(${name}_page PROPERTIES OUTPUT_NAME ${name} SUFFIX .js RUNTIME_OUTPUT_DIRECTORY ${DRILL_WEB_SITE}
    LINK_DEPENDS ${PROJECT_SOURCE_DIR}/web/no_webassembly.js)
  drill_program_title(title ${name})
  configure_file(${PROJECT_SOURCE_DIR}/web/page.html.in ${DRILL_WEB_SITE}/${name}.html @ONLY)
  foreach(asset ${ARGN})
    get_filename_component(file ${asset} NAME)
    configure_file(${asset} ${DRILL_WEB_SITE}/${name}/${file} COPYONLY)
  endforeach()
  set_property(GLOBAL APPEND PROPERTY DRILL_WEB_PAGES "${name}|${menuName}")
endfunction()

# drill_add_web_site(): the start page, once every program has its page, and what the pages share.
function(drill_add_web_site)
  set(entries "")
  get_property(pages GLOBAL PROPERTY DRILL_WEB_PAGES)
  # The start page's own icon: the first program's.
  list(GET pages 0 first)
  string(REGEX REPLACE "\\|.*" "" DRILL_WEB_SITE_ICON "${first}")
  foreach(page ${pages})
    string(REPLACE "|" ";" fields "${page}")
    list(GET fields 0 name)
    list(GET fields 1 menuName)
    string(APPEND entries "<li><a href=\"${name}.html\"><img src=\"${name}/icon.svg\" alt=\"\" width=\"48\" height=\"48\">${menuName}</a></li>\n")
  endforeach()
  set(DRILL_WEB_SITE_TITLE "${DRILL_PRODUCT}")
  configure_file(${PROJECT_SOURCE_DIR}/web/index.html.in ${DRILL_WEB_SITE}/index.html @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/web/drill.css ${DRILL_WEB_SITE}/drill.css COPYONLY)
  foreach(icon warning information)
    configure_file(${PROJECT_SOURCE_DIR}/windows/icons/${icon}.svg ${DRILL_WEB_SITE}/drill/${icon}.svg COPYONLY)
  endforeach()

  find_program(PYFTSUBSET pyftsubset REQUIRED)
  # A face no longer shipped leaves the folder too.
  file(GLOB shipped ${DRILL_WEB_SITE}/fonts/*)
  set(fonts "")
  foreach(font ${DRILL_WEB_FONTS})
    set(output ${DRILL_WEB_SITE}/fonts/${font}.woff2)
    add_custom_command(OUTPUT ${output}
      COMMAND ${PYFTSUBSET} ${DRILL_WEB_FONT_FOLDER}/${font}.ttf --unicodes=${DRILL_WEB_FONT_CHARACTERS}
        --flavor=woff2 --no-hinting --desubroutinize --layout-features=kern,liga --output-file=${output}
      DEPENDS ${DRILL_WEB_FONT_FOLDER}/${font}.ttf
      COMMENT "Subsetting ${font}"
      VERBATIM)
    list(APPEND fonts ${output})
  endforeach()
  list(REMOVE_ITEM shipped ${fonts})
  if(shipped)
    file(REMOVE ${shipped})
  endif()
  add_custom_target(web_fonts ALL DEPENDS ${fonts})
endfunction()
