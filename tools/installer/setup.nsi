; The FoldVen installer. It puts the install-folder image into "Program Files\FoldVen" and runs to the end
; without questions, showing its progress: the browser starts it unattended when the installation is out of
; date, and a new user runs the same file. Built by makensis with
;   /DDIST=<install-folder image> /DVERSION_TEXT=<content of ver.ini> /DOUTFILE=<setup.exe> /DSIGN=<sign.sh>
; 64-bit like the programs it installs (and like the Wine we test under, which runs no 32-bit code).
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!define PRODUCT "폴드벤"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\FoldVen"
!define SHORTCUT "폴드벤 브라우져.Lnk"

Name "${PRODUCT}"
Caption "${PRODUCT} 설치"
UninstallCaption "${PRODUCT} 제거"
OutFile "${OUTFILE}"
; The uninstaller is signed before it is packed into the installer, the installer once it is complete:
; both carry the publisher's signature like the programs they install.
!uninstfinalize '"${SIGN}" "%1"'
!finalize '"${SIGN}" "%1"'
InstallDir "$PROGRAMFILES64\FoldVen"
AutoCloseWindow true
ShowInstDetails show
ShowUninstDetails show
BrandingText "${PRODUCT}"
VIProductVersion "${VERSION_TEXT}"
VIAddVersionKey /LANG=1042 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1042 "FileDescription" "${PRODUCT} 설치 프로그램"
VIAddVersionKey /LANG=1042 "FileVersion" "${VERSION_TEXT}"
VIAddVersionKey /LANG=1042 "LegalCopyright" "FoldVen"
; The browser downloads and starts it under this name.
!pragma warning disable 9000
Icon "${DIST}\FoldVen.ico"
UninstallIcon "${DIST}\FoldVen.ico"

LoadLanguageFile "${NSISDIR}\Contrib\Language files\Korean.nlf"

Page instfiles
UninstPage instfiles

; The browser waits for this file in the temporary folder: "0" once the installation is complete. A failed
; or cancelled installation leaves none; the browser then gives up when this process has ended.
Function WriteResult
    Exch $0
    Push $1
    FileOpen $1 "$TEMP\install_result" w
    FileWrite $1 $0
    FileClose $1
    Pop $1
    Pop $0
FunctionEnd

Section "FoldVen"
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    ; A file in use (the running browser, the updater) is skipped without a message; the updater
    ; brings it up to date on its next start.
    SetOverwrite try
    File /r "${DIST}\*.*"
    SetOverwrite on

    FileOpen $0 "$INSTDIR\ver.ini" w
    FileWrite $0 "${VERSION_TEXT}"
    FileClose $0

    CreateShortcut "$DESKTOP\${SHORTCUT}" "$INSTDIR\VenUpdater.exe" "" "$INSTDIR\FoldVen.ico" 0
    WriteUninstaller "$INSTDIR\uninstall.exe"
    SetRegView 64
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION_TEXT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "FoldVen"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\VenUpdater.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1

    Push "0"
    Call WriteResult
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$DESKTOP\${SHORTCUT}"
    SetRegView 64
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    ; Only the folder this installer made, with everything in it.
    RMDir /r "$INSTDIR"
SectionEnd
