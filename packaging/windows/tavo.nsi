; The Windows installer of TAVO, tavo-VERSION-setup.exe (make windows, through
; tools/windows/make-installer.sh, which gives the defines below):
;   VERSION      the program's version, "1.3.3"
;   SOURCE       the portable folder tavo-VERSION-windows, installed as it is
;   ICON         the program's icon (.ico)
;   REMOVE_LIST  a file of Delete/RMDir lines for every file and folder of SOURCE
;   SIZE_KB      the size of SOURCE, for the list of installed programs
;   OUTFILE      the installer to write
;
; In Romanian. Without administrator rights it installs for the current user,
; in %LOCALAPPDATA%\Programs\TAVO, registered under HKCU; started as
; administrator, for every user, in Program Files, registered under HKLM.
; /CurrentUser and /AllUsers choose on the command line, /S installs silently,
; /D=FOLDER (last) chooses the folder.
;
; Neither the installer nor the uninstaller touches what is the user's: the
; documents (Documents\TAVO, or any folder named by TAVO_DIR or --dir) and the
; settings (HKCU\Software\TAVO). The uninstaller removes only the files and
; folders the installer wrote, listed when it was built; a folder still holding
; anything else stays. Installing over an earlier version runs that version's
; uninstaller first, so that no file of it is left behind.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define ENTRY "TAVO – ordine de plată"
!define PUBLISHER "Dezvoltatorii TAVO"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\TAVO"
; Windows' "The requested operation requires elevation".
!define ERROR_ELEVATION_REQUIRED 740

Name "TAVO"
OutFile "${OUTFILE}"
BrandingText "TAVO ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1048 "ProductName" "TAVO"
VIAddVersionKey /LANG=1048 "FileDescription" "Instalare ${ENTRY}"
VIAddVersionKey /LANG=1048 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1048 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1048 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1048 "LegalCopyright" "© 2026 The TAVO developers"

Var AllUsers  ; 1: for every user (HKLM, Program Files), 0: for the current user
Var ForWhom   ; the welcome page's words for it

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Această aplicație va instala TAVO ${VERSION} (ordine de plată și foi de vărsământ pentru trezorerie) $ForWhom.$\r$\n$\r$\nDocumentele rămân în dosarul Documente\TAVO al fiecărui utilizator; instalarea și dezinstalarea nu le modifică.$\r$\n$\r$\n$_CLICK"
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Pornire TAVO"
!define MUI_FINISHPAGE_RUN_FUNCTION StartTavo

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Romanian"

; Stops with a message while tavo.exe of FOLDER runs: Windows keeps a running
; program's files from being replaced or removed.
!macro WaitUntilClosed FOLDER
    ${Do}
        ${IfNot} ${FileExists} "${FOLDER}\tavo.exe"
            ${Break}
        ${EndIf}
        ClearErrors
        FileOpen $0 "${FOLDER}\tavo.exe" a
        ${IfNot} ${Errors}
            FileClose $0
            ${Break}
        ${EndIf}
        ${If} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "TAVO este pornit. Închideți programul și alegeți Reîncercare." /SD IDCANCEL IDCANCEL`
            Abort "TAVO este pornit: nu s-a modificat nimic."
        ${EndIf}
    ${Loop}
!macroend

; "Pornire TAVO" on the last page: through Explorer, so that TAVO runs as the
; user who is logged in, not with the rights of an installer run as administrator.
Function StartTavo
    Exec '"$WINDIR\explorer.exe" "$INSTDIR\tavo.exe"'
FunctionEnd

Function .onInit
    ; /D=FOLDER on the command line: NSIS has already put it in $INSTDIR.
    StrCpy $3 $INSTDIR
    UserInfo::GetAccountType
    Pop $1
    ${If} $1 == "Admin"
        StrCpy $AllUsers 1
    ${Else}
        StrCpy $AllUsers 0
    ${EndIf}
    ${GetParameters} $2
    ClearErrors
    ${GetOptions} $2 "/CurrentUser" $0
    ${IfNot} ${Errors}
        StrCpy $AllUsers 0
    ${EndIf}
    ClearErrors
    ${GetOptions} $2 "/AllUsers" $0
    ${IfNot} ${Errors}
        ${If} $1 != "Admin"
            MessageBox MB_OK|MB_ICONSTOP \
                "Instalarea pentru toți utilizatorii cere drepturi de administrator: porniți instalarea cu „Run as administrator”." /SD IDOK
            SetErrorLevel ${ERROR_ELEVATION_REQUIRED}
            Quit
        ${EndIf}
        StrCpy $AllUsers 1
    ${EndIf}

    ${If} $AllUsers == 1
        SetShellVarContext all
        StrCpy $ForWhom "pentru toți utilizatorii calculatorului"
        StrCpy $INSTDIR "$PROGRAMFILES64\TAVO"
    ${Else}
        SetShellVarContext current
        StrCpy $ForWhom "doar pentru utilizatorul curent"
        StrCpy $INSTDIR "$LOCALAPPDATA\Programs\TAVO"
    ${EndIf}
    ; An earlier install of the same kind is replaced where it is.
    ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
        StrCpy $INSTDIR $0
    ${EndIf}
    ${If} $3 != ""
        StrCpy $INSTDIR $3
    ${EndIf}
FunctionEnd

Section "TAVO"
    !insertmacro WaitUntilClosed "$INSTDIR"
    ; The earlier version's own uninstaller removes exactly its files, in place
    ; (_?=) so that it is waited for; the user's documents and settings are
    ; none of them.
    ${If} ${FileExists} "$INSTDIR\uninstall.exe"
        DetailPrint "Se înlocuiește versiunea instalată anterior."
        ExecWait '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
        Delete "$INSTDIR\uninstall.exe"
    ${EndIf}

    SetOutPath "$INSTDIR"
    File /r "${SOURCE}\*"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortcut "$SMPROGRAMS\${ENTRY}.lnk" "$INSTDIR\tavo.exe" "" "$INSTDIR\tavo.exe" 0 \
        SW_SHOWNORMAL "" "Completare, verificare, păstrare și listare ordine de plată și foi de vărsământ"

    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${ENTRY}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tavo.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function un.onInit
    ; Installed for every user when HKLM's entry names this folder.
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} $0 == $INSTDIR
        UserInfo::GetAccountType
        Pop $1
        ${If} $1 != "Admin"
            ; Windows' list of programs starts the uninstaller without
            ; elevation: it asks for it and runs again as administrator.
            ${If} ${Silent}
                ExecShell "runas" "$INSTDIR\uninstall.exe" "/S"
            ${Else}
                ExecShell "runas" "$INSTDIR\uninstall.exe"
            ${EndIf}
            Quit
        ${EndIf}
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
FunctionEnd

Section "Uninstall"
    !insertmacro WaitUntilClosed "$INSTDIR"
    !include "${REMOVE_LIST}"
    Delete "$INSTDIR\uninstall.exe"
    ; Removed only when empty: anything the user put there stays.
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${ENTRY}.lnk"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
