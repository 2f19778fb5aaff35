; The per-user installer: TORVANEL into %LOCALAPPDATA%\Programs\TORVANEL with a Start-menu
; entry and an uninstaller, without administrator rights; /S is silent. Italian only.
; makensis -INPUTCHARSET UTF8 -DVERSION=1.00 -DVERSION_RECORD=1.0.0.0 -DPROGRAM=torvanel.exe -DICON=torvanel.ico
;          -DOUTPUT=setup.exe installer.nsi
Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include WinMessages.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\TORVANEL"
!define COPYRIGHT "Copyright © 2000 TORVANEL maintainers"

Name "TORVANEL"
OutFile "${OUTPUT}"
InstallDir "$LOCALAPPDATA\Programs\TORVANEL"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
; Neither the tool's name nor sizes written with a decimal point on the pages.
BrandingText "TORVANEL ${VERSION}"
SpaceTexts none
; Said at the end of both installing and uninstalling.
CompletedText "Operazione completata"
UninstallSubCaption 2 ": Disinstallazione completata"

VIProductVersion "${VERSION_RECORD}"
VIAddVersionKey /LANG=1040 "ProductName" "TORVANEL"
VIAddVersionKey /LANG=1040 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1040 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1040 "FileDescription" "Installazione di TORVANEL"
VIAddVersionKey /LANG=1040 "CompanyName" "TORVANEL"
VIAddVersionKey /LANG=1040 "LegalCopyright" "${COPYRIGHT}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_ABORTWARNING_TEXT "Interrompere l'installazione di TORVANEL?"
!define MUI_UNABORTWARNING
!define MUI_UNABORTWARNING_TEXT "Interrompere la disinstallazione di TORVANEL?"
!define MUI_FINISHPAGE_RUN "$INSTDIR\torvanel.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

; A running TORVANEL keeps its file: asked (silently: told) to close, each copy that
; runs, and waited for until no window is left, at most ten seconds; when one stays,
; nothing is changed and the exit code is 2.
!macro CLOSE_PROGRAM un
Function ${un}CloseProgram
  FindWindow $0 "TORVANEL"
  ${If} $0 = 0
    Return
  ${EndIf}
  ${IfNot} ${Silent}
    MessageBox MB_OKCANCEL|MB_ICONEXCLAMATION "TORVANEL è aperto. Scegliere OK per chiuderlo e continuare." IDOK close
    SetErrorLevel 2
    Quit
  ${EndIf}
  close:
  StrCpy $1 0
  StrCpy $2 0 ; the window last told to close
  ${DoWhile} $1 < 100
    FindWindow $0 "TORVANEL"
    ${IfThen} $0 = 0 ${|} ${Break} ${|}
    ${If} $0 <> $2
      SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=2000
      StrCpy $2 $0
    ${EndIf}
    Sleep 100
    IntOp $1 $1 + 1
  ${Loop}
  ${If} $0 <> 0
    SetErrorLevel 2
    ${IfNot} ${Silent}
      MessageBox MB_OK|MB_ICONSTOP "TORVANEL non si è chiuso: nulla è stato cambiato. Chiuderlo e riprovare."
    ${EndIf}
    Abort "TORVANEL è ancora aperto: nulla è stato cambiato."
  ${EndIf}
FunctionEnd
!macroend
!insertmacro CLOSE_PROGRAM ""
!insertmacro CLOSE_PROGRAM "un."

; Deletes a file the program may still hold for a moment after closing; aborts with a
; non-zero exit code, nothing else removed, when it stays.
!macro DELETE_OR_ABORT file
  StrCpy $1 0
  ${Do}
    Delete "${file}"
    ${IfNot} ${FileExists} "${file}"
      ${Break}
    ${EndIf}
    ${If} $1 >= 100
      SetErrorLevel 2
      ${IfNot} ${Silent}
        MessageBox MB_OK|MB_ICONSTOP "Impossibile rimuovere ${file}: TORVANEL è ancora in uso. Chiuderlo e riprovare."
      ${EndIf}
      Abort "TORVANEL è ancora in uso: nulla è stato rimosso."
    ${EndIf}
    Sleep 100
    IntOp $1 $1 + 1
  ${Loop}
!macroend

Section
  Call CloseProgram
  SetOutPath "$INSTDIR"
  ClearErrors
  File "/oname=torvanel.exe" "${PROGRAM}"
  ${If} ${Errors}
    SetErrorLevel 2
    Abort "Impossibile scrivere $INSTDIR\torvanel.exe."
  ${EndIf}
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortCut "$SMPROGRAMS\TORVANEL.lnk" "$INSTDIR\torvanel.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "TORVANEL"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "TORVANEL"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\torvanel.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K /G=1" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  Call un.CloseProgram
  ; The program first: while it cannot go, nothing else does.
  !insertmacro DELETE_OR_ABORT "$INSTDIR\torvanel.exe"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\TORVANEL.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
