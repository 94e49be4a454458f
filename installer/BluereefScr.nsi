; The setup program: puts the desktop aquarium and its screen saver on a Windows machine for every
; user, and an uninstaller that takes them off again. It carries both builds of the two files and
; installs the 64-bit ones on 64-bit Windows, the 32-bit ones elsewhere. The build passes in the
; product's facts and the files to install (see CMakeLists.txt beside this script).
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include x64.nsh

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

; On 64-bit Windows the 64-bit files go where 64-bit programs live: the 64-bit program folder, the
; real System32 (this 32-bit setup is otherwise sent to SysWOW64) and the 64-bit registry view.
; The sections run on a thread of their own, and the file system's redirection is switched per
; thread: they use the macro again.
!macro UseNativeView
  ${If} ${RunningX64}
    ${DisableX64FSRedirection}
    SetRegView 64
  ${EndIf}
!macroend

Function .onInit
  !insertmacro UseNativeView
  ; Unless the user named a folder (/D=), the 64-bit files go to the 64-bit program folder.
  ${If} ${RunningX64}
  ${AndIf} "$INSTDIR" == "$PROGRAMFILES\Bluereef"
    StrCpy $INSTDIR "$PROGRAMFILES64\Bluereef"
  ${EndIf}
FunctionEnd

Function un.onInit
  !insertmacro UseNativeView
FunctionEnd

Section
  !insertmacro UseNativeView
  ; The Start-menu entry is for every user, as the files are.
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  ; The screen saver settings list the .scr files of the system folder.
  ${If} ${RunningX64}
    File "/oname=BluereefScr.exe" "${PROGRAM_FILE_X64}"
    File "/oname=BluereefScr.scr" "${SCREEN_SAVER_FILE_X64}"
    File "/oname=$SYSDIR\BluereefScr.scr" "${SCREEN_SAVER_FILE_X64}"
  ${Else}
    File "/oname=BluereefScr.exe" "${PROGRAM_FILE_X86}"
    File "/oname=BluereefScr.scr" "${SCREEN_SAVER_FILE_X86}"
    File "/oname=$SYSDIR\BluereefScr.scr" "${SCREEN_SAVER_FILE_X86}"
  ${EndIf}
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
  !insertmacro UseNativeView
  SetShellVarContext all
  Delete "$INSTDIR\BluereefScr.exe"
  Delete "$INSTDIR\BluereefScr.scr"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SYSDIR\BluereefScr.scr"
  Delete "${SHORTCUT}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
