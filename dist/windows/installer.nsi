; The Windows installer: both programs, rkradio, the Qt and MinGW run-time
; files and the user guide, Start-menu entries, an uninstaller, and the two
; models' file types. Built by scripts/windows.sh with
;   makensis -DVERSION=<version> -DSTAGE=<staged files> -DOUTFILE=<setup.exe> installer.nsi
; Runs silently with /S.

; A 64-bit installer for 64-bit programs: it also runs where no 32-bit
; Windows layer is present (a 64-bit-only Wine).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define PRODUCT "RK Radio Programs"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\rk-radio-programs"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "RK radio programs developers"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; A file type: extension -> ProgId, its icon, and "open with" its program.
!macro FileType EXTENSION PROGID DESCRIPTION PROGRAM
    WriteRegStr HKLM "Software\Classes\${EXTENSION}" "" "${PROGID}"
    WriteRegStr HKLM "Software\Classes\${EXTENSION}\OpenWithProgids" "${PROGID}" ""
    WriteRegStr HKLM "Software\Classes\${PROGID}" "" "${DESCRIPTION}"
    WriteRegStr HKLM "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\icons\radio-document.ico"
    WriteRegStr HKLM "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\${PROGRAM}.exe" "%1"'
    WriteRegStr HKLM "Software\Classes\Applications\${PROGRAM}.exe\SupportedTypes" "${EXTENSION}" ""
!macroend

!macro RemoveFileType EXTENSION PROGID PROGRAM
    ReadRegStr $0 HKLM "Software\Classes\${EXTENSION}" ""
    StrCmp $0 "${PROGID}" 0 +2
        DeleteRegKey HKLM "Software\Classes\${EXTENSION}"
    DeleteRegValue HKLM "Software\Classes\${EXTENSION}\OpenWithProgids" "${PROGID}"
    DeleteRegKey HKLM "Software\Classes\${PROGID}"
    DeleteRegKey HKLM "Software\Classes\Applications\${PROGRAM}.exe"
!macroend

Section "Install"
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateDirectory "$SMPROGRAMS\${PRODUCT}"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\RK520.lnk" "$INSTDIR\rk520.exe"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\RK7400.lnk" "$INSTDIR\rk7400.exe"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\uninstall.exe"

    !insertmacro FileType ".rkd" "Rk520.Document" "RKP_520P radio image" "rk520"
    !insertmacro FileType ".zu1" "Rk7400.Document" "RKP_7400 radio image" "rk7400"
    ; Tells Explorer that the file types changed (SHCNE_ASSOCCHANGED).
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "RK radio programs developers"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\rk520.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    !insertmacro RemoveFileType ".rkd" "Rk520.Document" "rk520"
    !insertmacro RemoveFileType ".zu1" "Rk7400.Document" "rk7400"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
    RMDir /r "$SMPROGRAMS\${PRODUCT}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    ; Only what the installer put there; a folder the user added files to stays.
    RMDir /r "$INSTDIR\platforms"
    RMDir /r "$INSTDIR\styles"
    RMDir /r "$INSTDIR\translations"
    RMDir /r "$INSTDIR\icons"
    RMDir /r "$INSTDIR\doc"
    Delete "$INSTDIR\*.exe"
    Delete "$INSTDIR\*.dll"
    Delete "$INSTDIR\qt.conf"
    Delete "$INSTDIR\*.txt"
    RMDir "$INSTDIR"
SectionEnd
