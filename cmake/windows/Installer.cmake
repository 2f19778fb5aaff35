# The Windows installer: cpack -G NSIS in the build folder (scripts/windows.sh makes it).
# It installs for the user who runs it, without administrator rights, into
# %LOCALAPPDATA%\Programs\TORVANEL, with a Start-menu entry and an uninstaller; /S is silent.
set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME TORVANEL)
set(CPACK_PACKAGE_VENDOR TORVANEL)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Calcolatore della legge di Ohm")
set(CPACK_PACKAGE_INSTALL_DIRECTORY TORVANEL)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY TORVANEL)
set(CPACK_PACKAGE_FILE_NAME torvanel-${PROJECT_VERSION}-setup)
set(CPACK_PACKAGE_EXECUTABLES torvanel TORVANEL)
set(CPACK_NSIS_INSTALL_ROOT "$LOCALAPPDATA\\\\Programs")
set(CPACK_NSIS_DISPLAY_NAME TORVANEL)
set(CPACK_NSIS_PACKAGE_NAME TORVANEL)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/data/torvanel.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/data/torvanel.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME torvanel.exe)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_MUI_FINISHPAGE_RUN torvanel.exe)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/data/copyright)
# CMake's installer script makes a 32-bit installer that asks for administrator rights
# and installs for all users when it has them: this one is a 64-bit program, like what
# it installs, and stays with the user who runs it.
file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in template)
string(REPLACE "; CPack install script designed for a nmake build"
               "; CPack install script designed for a nmake build\n  Target amd64-unicode" template "${template}")
string(REPLACE "RequestExecutionLevel admin" "RequestExecutionLevel user" template "${template}")
string(REPLACE "SetShellVarContext all" "SetShellVarContext current" template "${template}")
file(WRITE ${CMAKE_BINARY_DIR}/cpack-nsis/NSIS.template.in "${template}")
set(CPACK_MODULE_PATH ${CMAKE_BINARY_DIR}/cpack-nsis)
include(CPack)
