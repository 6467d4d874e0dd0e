; Per-user installer of Vantora. It asks for no administrator rights: the program, its skins and
; the uninstaller go to the user's own programs folder, the shortcut to the user's Start menu and
; the entry of the installed-programs list to the user's hive.
; On 64-bit Windows it installs the 64-bit program, elsewhere the 32-bit one, as vantora.exe.
; packaging/package.sh passes VERSION, FILE_VERSION (four numbers), STAGE (the folder with
; vantora.exe, vantora64.exe and Skins), UNINSTALL_FILES (the Delete and RMDir lines of the skins), ICON, OUTFILE.
Unicode true
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include x64.nsh

!define PUBLISHER "Kestrelon Software"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantora"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

Name "Vantora ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Vantora"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\vantora.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${FILE_VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Vantora"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Vantora Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${FILE_VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (C) ${PUBLISHER}"

; A running Vantora keeps its executable open: on Windows it can then be neither replaced nor
; removed, so Setup and the uninstaller stop before they change anything.
!macro StopIfVantoraRuns
  ${If} ${FileExists} "$INSTDIR\vantora.exe"
    ClearErrors
    FileOpen $0 "$INSTDIR\vantora.exe" a
    ${If} ${Errors}
      MessageBox MB_OK|MB_ICONSTOP "Vantora is running. Close it and try again." /SD IDOK
      SetErrorLevel 2
      Quit
    ${EndIf}
    FileClose $0
  ${EndIf}
!macroend

Function .onInit
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section
  !insertmacro StopIfVantoraRuns
  SetOutPath "$INSTDIR"
  ${If} ${RunningX64}
    File "/oname=vantora.exe" "${STAGE}/vantora64.exe"
  ${Else}
    File "${STAGE}/vantora.exe"
  ${EndIf}
  File /r "${STAGE}/Skins"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Vantora.lnk" "$INSTDIR\vantora.exe" "" "$INSTDIR\vantora.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Vantora"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vantora.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" "$\"$INSTDIR\uninstall.exe$\""
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" "$\"$INSTDIR\uninstall.exe$\" /S"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Removes exactly what the installer put in place, file by file: the folder may have been chosen
; by the user and may hold files of their own, which stay.
Section "Uninstall"
  !insertmacro StopIfVantoraRuns
  Delete "$INSTDIR\vantora.exe"
  !include "${UNINSTALL_FILES}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Vantora.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; "Start on Windows Startup" stays unless it starts the copy that is gone now.
  ReadRegStr $0 HKCU "${RUN_KEY}" "Vantora"
  ${If} $0 == "$INSTDIR\vantora.exe"
  ${OrIf} $0 == "$\"$INSTDIR\vantora.exe$\""
    DeleteRegValue HKCU "${RUN_KEY}" "Vantora"
  ${EndIf}
SectionEnd
