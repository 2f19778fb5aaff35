# The Windows packages, made by `cmake --build --preset windows --target packages`
# (scripts/windows.sh does): the per-user installer (NSIS, installer.nsi) and the
# per-machine MSI for labs (wixl, torvanel.wxs), both with the program's one version.
# Written for these tools directly: CPack's NSIS script is made for another kind of
# installer (32-bit, per machine when it can, sixty languages) and would need rewriting.
set(installer ${CMAKE_BINARY_DIR}/torvanel-${TORVANEL_DISPLAY_VERSION}-setup.exe)
set(msi ${CMAKE_BINARY_DIR}/torvanel-${TORVANEL_DISPLAY_VERSION}.msi)
add_custom_command(
  OUTPUT ${installer}
  COMMAND makensis -V2 -INPUTCHARSET UTF8 -DVERSION=${TORVANEL_DISPLAY_VERSION} -DVERSION_RECORD=${PROJECT_VERSION}
          -DPROGRAM=$<TARGET_FILE:torvanel> -DICON=${PROJECT_SOURCE_DIR}/data/torvanel.ico -DOUTPUT=${installer}
          ${CMAKE_CURRENT_LIST_DIR}/installer.nsi
  DEPENDS torvanel ${CMAKE_CURRENT_LIST_DIR}/installer.nsi ${PROJECT_SOURCE_DIR}/data/torvanel.ico
  VERBATIM)
# One product code for each version, made from it: a package rebuilt with the same
# version is the same product (installed once), a newer version replaces it.
string(UUID product_code NAMESPACE 5E1C4A52-3B8E-4C53-9B4C-0F3F6D2C7A10 NAME ${TORVANEL_DISPLAY_VERSION} TYPE SHA1 UPPER)
# wixl finds its source files only by paths relative to where it runs.
add_custom_command(
  OUTPUT ${msi}
  COMMAND wixl -a x64 -D Version=${TORVANEL_DISPLAY_VERSION} -D ProductCode=${product_code}
          -D Program=$<PATH:RELATIVE_PATH,$<TARGET_FILE:torvanel>,${PROJECT_SOURCE_DIR}> -D Icon=data/torvanel.ico
          -o ${msi} ${CMAKE_CURRENT_LIST_DIR}/torvanel.wxs
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  DEPENDS torvanel ${CMAKE_CURRENT_LIST_DIR}/torvanel.wxs ${PROJECT_SOURCE_DIR}/data/torvanel.ico
  VERBATIM)
add_custom_target(packages DEPENDS ${installer} ${msi})
