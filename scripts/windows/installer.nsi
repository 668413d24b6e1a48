; The installer of the Windows build (scripts/windows.sh passes VERSION, SOURCE, OUTFILE):
; the programs with Qt beside them, a Start-menu entry, ".vil" files opening in the
; programmer, and an uninstaller that takes all of it away again.
; A 64-bit installer: Wine here runs 64-bit programs only, and so do the laptops.
Target amd64-unicode
!include "MUI2.nsh"

!define APP "Программатор ВИЛ-3K"
!define KEY "vil3k-programmer"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${KEY}"

Name "${APP}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\vil3k-programmer"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!define MUI_FINISHPAGE_RUN "$INSTDIR\vil3k-programmer.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

Section "Install"
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File /r "${SOURCE}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateDirectory "$SMPROGRAMS\${APP}"
    CreateShortcut "$SMPROGRAMS\${APP}\${APP}.lnk" "$INSTDIR\vil3k-programmer.exe"
    CreateShortcut "$SMPROGRAMS\${APP}\uninstall.lnk" "$INSTDIR\uninstall.exe"

    WriteRegStr HKCR ".vil" "" "vil3k.scheme"
    WriteRegStr HKCR "vil3k.scheme" "" "Схема ВИЛ-3K"
    WriteRegStr HKCR "vil3k.scheme\DefaultIcon" "" "$INSTDIR\vil3k-programmer.exe,0"
    WriteRegStr HKCR "vil3k.scheme\shell\open\command" "" '"$INSTDIR\vil3k-programmer.exe" "%1"'
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${APP}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    RMDir /r "$SMPROGRAMS\${APP}"
    ; The association goes only while it is still ours.
    ReadRegStr $0 HKCR ".vil" ""
    StrCmp $0 "vil3k.scheme" 0 +2
    DeleteRegKey HKCR ".vil"
    DeleteRegKey HKCR "vil3k.scheme"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    RMDir /r "$INSTDIR"
SectionEnd
