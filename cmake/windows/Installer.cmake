# The Windows installer: cpack -G NSIS in the build folder (scripts/windows.sh makes it).
# It installs for the user who runs it, without administrator rights, into
# %LOCALAPPDATA%\Programs\TORVANEL, with a Start-menu entry and an uninstaller; /S is silent.
# Both speak Italian only, whatever the language of Windows.
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
# CMake's installer script makes a 32-bit installer that asks for administrator rights
# and installs for all users when it has them: this one is a 64-bit program, like what
# it installs, and stays with the user who runs it.
file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in template)
string(REPLACE "; CPack install script designed for a nmake build"
               "; CPack install script designed for a nmake build\n  Target amd64-unicode" template "${template}")
string(REPLACE "RequestExecutionLevel admin" "RequestExecutionLevel user" template "${template}")
string(REPLACE "SetShellVarContext all" "SetShellVarContext current" template "${template}")
# No licence page: the program has no licence of its own to show, and CPack would
# otherwise put its generic one there.
string(REPLACE "@CPACK_NSIS_LICENSE_PAGE@" "" template "${template}")
# The script loads some sixty languages and picks Windows' own; one is wanted.
string(REGEX REPLACE "(  !insertmacro MUI_LANGUAGE \"[A-Za-z]+\"[^\n]*\n)+"
                     "  !insertmacro MUI_LANGUAGE \"Italian\"\n" template "${template}")
# Windows' list of installed programs reads NoModify and NoRepair as numbers (the script
# writes strings) and shows a size only if given one, in KiB.
string(REPLACE "  !include Sections.nsh" "  !include Sections.nsh\n  !include FileFunc.nsh" template "${template}")
string(REPLACE [=[
  Push "NoRepair"
  Push "1"
  Call ConditionalAddToRegistry
]=] [=[
  WriteRegDWORD SHCTX "Software\Microsoft\Windows\CurrentVersion\Uninstall\@CPACK_PACKAGE_INSTALL_REGISTRY_KEY@" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K /G=1" $0 $1 $2
  WriteRegDWORD SHCTX "Software\Microsoft\Windows\CurrentVersion\Uninstall\@CPACK_PACKAGE_INSTALL_REGISTRY_KEY@" "EstimatedSize" $0
]=] template "${template}")
string(REPLACE [=[
  Push "NoModify"
  Push "1"
  Call ConditionalAddToRegistry
]=] [=[
  WriteRegDWORD SHCTX "Software\Microsoft\Windows\CurrentVersion\Uninstall\@CPACK_PACKAGE_INSTALL_REGISTRY_KEY@" "NoModify" 1
]=] template "${template}")
# The script's own texts, in Italian too; the shortcut to the uninstaller with them.
string(REPLACE [=[\Uninstall.lnk"]=] [=[\Disinstalla @CPACK_NSIS_PACKAGE_NAME@.lnk"]=] template "${template}")
string(REPLACE [=["Install Options" "Choose options for installing]=]
               [=["Opzioni di installazione" "Scegli le opzioni per installare]=] template "${template}")
string(REPLACE [=[Set install registry entry: '$1' to '$0']=]
               [=[Voce di registro '$1' impostata a '$0']=] template "${template}")
string(REPLACE [=[Warning! PATH too long installer unable to modify PATH!]=]
               [=[Attenzione: il PATH è troppo lungo, il programma di installazione non può modificarlo.]=] template "${template}")
string(REPLACE [=[Download failed: $1]=] [=[Scaricamento non riuscito: $1]=] template "${template}")
string(REPLACE [=[is already installed. $\n$\nDo you want to uninstall the old version before installing the new one?]=]
               [=[è già installato.$\n$\nDisinstallare la versione precedente prima di installare quella nuova?]=] template "${template}")
string(REPLACE [=["Uninstall failed."]=] [=["Disinstallazione non riuscita."]=] template "${template}")
file(WRITE ${CMAKE_BINARY_DIR}/cpack-nsis/NSIS.template.in "${template}")
set(CPACK_MODULE_PATH ${CMAKE_BINARY_DIR}/cpack-nsis)
include(CPack)
