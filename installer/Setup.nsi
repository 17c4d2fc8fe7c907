; Setup.exe for the TARVIK-Q7 gaming mouse software, built by makensis on
; Linux. The build passes:
;   DIST_DIR      the program folder as built (programs, libraries, skins, manual)
;   DEFAULTS_DIR  the default settings: config.ini and config\Default0..4.gmp
;   ICON_FILE     the installer's icon
;   OUTPUT_FILE   where Setup.exe goes
;   VERSION       the product version shown in Add/Remove Programs
;
; Silent use:
;   Setup.exe /S [/D=<folder>]                 install or upgrade
;   Uninstall.exe /S [/REMOVESETTINGS]         uninstall; settings are kept
;                                              unless /REMOVESETTINGS is given

Unicode true
; The product has no copyright line of its own, and "Setup.exe" is the name
; users look for, whatever shims Windows attaches to it.
!pragma warning disable 9100
!pragma warning disable 9000
Target amd64-unicode
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "WinMessages.nsh"

!define PRODUCT_NAME "TARVIK-Q7 Gaming Mouse"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\TARVIK-Q7 Gaming Mouse"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "TARVIK-Q7 Gaming Mouse Monitor"
!define START_MENU_FOLDER "$SMPROGRAMS\${PRODUCT_NAME}"

; Window titles of the running programs, and the agent's tray-menu Exit command.
!define AGENT_TITLE "TARVIK-Q7 Gaming Mouse Monitor"
!define OPTION_TITLE "TARVIK-Q7 Gaming Mouse Option"
!define DISPLAY_TITLE "Zelkor_510-7716_Gaming_Mouse_Normal_OSD"
!define AGENT_EXIT_COMMAND 6002
; How long the programs get to close themselves, in steps of 100 ms.
!define CLOSE_WAIT_STEPS 200

Name "${PRODUCT_NAME}"
OutFile "${OUTPUT_FILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT_NAME}"
; An upgrade goes into the folder of the previous installation.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
ShowInstDetails hide
ShowUninstDetails hide

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT_NAME}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT_NAME} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"

!define MUI_ICON "${ICON_FILE}"
!define MUI_UNICON "${ICON_FILE}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\User Manual.pdf"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Open the user manual"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!define MUI_COMPONENTSPAGE_TEXT_TOP "The programs are removed. Tick Remove my settings to remove your profiles, macros and settings too; without it they stay for a later installation."
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Closes Option, then the agent through its tray-menu Exit command (the agent
; closes the on-screen display itself), and waits until their windows are gone
; so that their files can be replaced or removed.
!macro CLOSE_PROGRAMS prefix
Function ${prefix}ClosePrograms
    FindWindow $0 "" "${OPTION_TITLE}"
    ${If} $0 <> 0
        DetailPrint "Closing Option"
        SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
    ${EndIf}
    FindWindow $0 "" "${AGENT_TITLE}"
    ${If} $0 <> 0
        DetailPrint "Closing the mouse agent"
        SendMessage $0 ${WM_COMMAND} ${AGENT_EXIT_COMMAND} 0 /TIMEOUT=5000
    ${EndIf}
    StrCpy $1 0
    ${Do}
        FindWindow $0 "" "${OPTION_TITLE}"
        ${IfThen} $0 = 0 ${|} FindWindow $0 "" "${AGENT_TITLE}" ${|}
        ${IfThen} $0 = 0 ${|} FindWindow $0 "" "${DISPLAY_TITLE}" ${|}
        ${IfThen} $0 = 0 ${|} ${ExitDo} ${|}
        IntOp $1 $1 + 1
        ${IfThen} $1 >= ${CLOSE_WAIT_STEPS} ${|} ${ExitDo} ${|}
        Sleep 100
    ${Loop}
    ; Windows can vanish a moment before their processes end.
    Sleep 500
FunctionEnd
!macroend
!insertmacro CLOSE_PROGRAMS ""
!insertmacro CLOSE_PROGRAMS "un."

Section "Programs" SectionPrograms
    SectionIn RO
    SetShellVarContext current
    Call ClosePrograms

    SetOutPath "$INSTDIR"
    SetOverwrite on
    File "${DIST_DIR}/Monitor.exe"
    File "${DIST_DIR}/Option.exe"
    File "${DIST_DIR}/Herald.exe"
    File "${DIST_DIR}/portio.dll"
    File "${DIST_DIR}/strtab.dll"
    File "${DIST_DIR}/ProfileTool.exe"
    File "${DIST_DIR}/mousectl.exe"
    File "${DIST_DIR}/User Manual.pdf"
    SetOutPath "$INSTDIR\skins"
    ; Two hundred skin images would fill the detail list one line each.
    DetailPrint "Installing the skins"
    SetDetailsPrint textonly
    ; The gallery skins belong to a developer tool.
    File /x "*gallery*" "${DIST_DIR}/skins/*.*"
    SetDetailsPrint both

    ; The user's settings: written only where none exist, so that an upgrade
    ; keeps config.ini, the slot profiles and the macro file as they are.
    SetOverwrite off
    SetOutPath "$INSTDIR"
    File "${DEFAULTS_DIR}/config.ini"
    SetOutPath "$INSTDIR\config"
    File "${DEFAULTS_DIR}/config/*.gmp"
    SetOverwrite on

    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    CreateDirectory "${START_MENU_FOLDER}"
    CreateShortcut "${START_MENU_FOLDER}\Option.lnk" "$INSTDIR\Option.exe"
    CreateShortcut "${START_MENU_FOLDER}\Mouse Agent.lnk" "$INSTDIR\Monitor.exe"
    CreateShortcut "${START_MENU_FOLDER}\User Manual.lnk" "$INSTDIR\User Manual.pdf"
    CreateShortcut "${START_MENU_FOLDER}\Uninstall.lnk" "$INSTDIR\Uninstall.exe"

    WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\Monitor.exe"'

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT_NAME}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\Monitor.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0

    ; The agent starts now, as it will with every logon.
    Exec '"$INSTDIR\Monitor.exe"'
SectionEnd

Section "un.Programs" SectionUninstallPrograms
    SectionIn RO
    SetShellVarContext current
    Call un.ClosePrograms

    Delete "$INSTDIR\Monitor.exe"
    Delete "$INSTDIR\Option.exe"
    Delete "$INSTDIR\Herald.exe"
    Delete "$INSTDIR\portio.dll"
    Delete "$INSTDIR\strtab.dll"
    Delete "$INSTDIR\ProfileTool.exe"
    Delete "$INSTDIR\mousectl.exe"
    Delete "$INSTDIR\User Manual.pdf"
    RMDir /r "$INSTDIR\skins"

    Delete "${START_MENU_FOLDER}\Option.lnk"
    Delete "${START_MENU_FOLDER}\Mouse Agent.lnk"
    Delete "${START_MENU_FOLDER}\User Manual.lnk"
    Delete "${START_MENU_FOLDER}\Uninstall.lnk"
    RMDir "${START_MENU_FOLDER}"

    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.Remove my settings" SectionUninstallSettings
    Delete "$INSTDIR\config.ini"
    RMDir /r "$INSTDIR\config"
SectionEnd

Section "-un.Finish"
    Delete "$INSTDIR\Uninstall.exe"
    ; Only when nothing of the user's is left in it.
    RMDir "$INSTDIR"
SectionEnd

!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionUninstallPrograms} "The programs, the Start-menu entries and the start with Windows."
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionUninstallSettings} "Your five profiles, your macros and config.ini. Without this they stay in the program folder."
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END

Function un.onInit
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/REMOVESETTINGS" $1
    ${IfNot} ${Errors}
        !insertmacro SelectSection ${SectionUninstallSettings}
    ${EndIf}
FunctionEnd
