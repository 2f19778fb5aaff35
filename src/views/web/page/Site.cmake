# The static site: the page with the window written into it, its script and styles, the
# module, the icons, the manifest and the service worker, in one folder any static web
# server can serve.
set(TORVANEL_WEB_SITE_DIR ${PROJECT_SOURCE_DIR}/build/web CACHE PATH "Where the web view's static site is put")
set(page ${PROJECT_SOURCE_DIR}/src/views/web/page)
configure_file(${page}/manifest.webmanifest.in ${CMAKE_CURRENT_BINARY_DIR}/manifest.webmanifest @ONLY)
set(site_sources ${page}/calculator.js ${CMAKE_CURRENT_BINARY_DIR}/manifest.webmanifest
                 ${PROJECT_SOURCE_DIR}/data/torvanel.png ${PROJECT_SOURCE_DIR}/data/torvanel.svg)
set(site_files index.html calculator.js calculator.css manifest.webmanifest torvanel.png torvanel.svg
               torvanel.wasm)
add_custom_command(
  OUTPUT ${TORVANEL_WEB_SITE_DIR}/service-worker.js
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TORVANEL_WEB_SITE_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${site_sources} $<TARGET_FILE:torvanel>
          ${TORVANEL_WEB_SITE_DIR}
  COMMAND node --no-experimental-fetch $<TARGET_FILE:torvanel_page_maker> ${page}/index.html.in
          ${TORVANEL_WEB_SITE_DIR}/index.html ${page}/calculator.css ${TORVANEL_WEB_SITE_DIR}/calculator.css
  COMMAND ${CMAKE_COMMAND} -DSITE=${TORVANEL_WEB_SITE_DIR} -DTEMPLATE=${page}/service-worker.js.in
          "-DFILES=${site_files}" -P ${page}/WriteServiceWorker.cmake
  DEPENDS torvanel torvanel_page_maker ${site_sources} ${page}/index.html.in ${page}/calculator.css
          ${page}/service-worker.js.in ${page}/WriteServiceWorker.cmake
  VERBATIM)
add_custom_target(site ALL DEPENDS ${TORVANEL_WEB_SITE_DIR}/service-worker.js)
