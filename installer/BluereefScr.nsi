; The setup program: puts the desktop aquarium and its screen saver on a Windows machine for every
; user, and an uninstaller that takes them off again. The build passes in the product's facts and
; the files to install (see CMakeLists.txt beside this script).
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include MUI2.nsh
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\BluereefScr"
!define SHORTCUT "$SMPROGRAMS\Bluereef Aquarium.lnk"

Name "${PRODUCT_NAME}"
OutFile "${SETUP_FILE}"
InstallDir "$PROGRAMFILES\Bluereef"
BrandingText "${PRODUCT_NAME} ${VERSION}"
; The icons of the setup program and uninstaller: the modern pages would set NSIS's own.
!define MUI_ICON "${ICON_FILE}"
!define MUI_UNICON "${ICON_FILE}"

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=1033 ProductName "${PRODUCT_NAME}"
VIAddVersionKey /LANG=1033 ProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 FileVersion "${VERSION}"
VIAddVersionKey /LANG=1033 FileDescription "${PRODUCT_NAME} setup"
VIAddVersionKey /LANG=1033 CompanyName "${PUBLISHER}"
VIAddVersionKey /LANG=1033 LegalCopyright "Copyright (C) ${PUBLISHER}"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section
  ; The Start-menu entry is for every user, as the files are.
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${PROGRAM_FILE}"
  File "${SCREEN_SAVER_FILE}"
  ; The screen saver settings list the .scr files of the system folder. A 32-bit setup on 64-bit
  ; Windows is sent to SysWOW64 there, where a 32-bit screen saver belongs.
  File "/oname=$SYSDIR\BluereefScr.scr" "${SCREEN_SAVER_FILE}"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\BluereefScr.exe"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayName "${PRODUCT_NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" Publisher "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\BluereefScr.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoModify 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoRepair 1
  ; In KiB: the program folder and the screen saver's second copy in the system folder.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  ${GetSize} "$INSTDIR" "/M=BluereefScr.scr /S=0K" $3 $1 $2
  IntOp $0 $0 + $3
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" EstimatedSize $0
SectionEnd

; Takes off everything the setup put on, and nothing else: the user's settings file in the
; Windows folder stays for a later installation.
Section Uninstall
  SetShellVarContext all
  Delete "$INSTDIR\BluereefScr.exe"
  Delete "$INSTDIR\BluereefScr.scr"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SYSDIR\BluereefScr.scr"
  Delete "${SHORTCUT}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
