; The Brelvix setup: one 32-bit installer that runs on 32-bit and 64-bit
; Windows and puts the Brelvix.scr built for the machine into the system
; folder. Built by scripts/release.sh, which passes VERSION, STAGE (the folder
; holding x64\Brelvix.scr and x86\Brelvix.scr) and OUTFILE.
Unicode true
!include "LogicLib.nsh"
!include "x64.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Brelvix"
!define DESKTOP_KEY "Control Panel\Desktop"

Name "Brelvix ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel admin
InstallDir "$PROGRAMFILES\Brelvix"
ShowInstDetails show
ShowUninstDetails show
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Brelvix"
VIAddVersionKey "FileDescription" "Brelvix screen saver setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (C) 2024-2026 the Brelvix developers"

Page components
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; A 32-bit program on 64-bit Windows sees the 32-bit registry view and has
; System32 redirected to SysWOW64: both are switched to the machine's own for
; every step that touches them.
!macro MachineView
    ${If} ${RunningX64}
        SetRegView 64
    ${EndIf}
!macroend

!macro NativeSystemFolder
    ${If} ${RunningX64}
        ${DisableX64FSRedirection}
    ${EndIf}
!macroend

!macro RedirectedSystemFolder
    ${If} ${RunningX64}
        ${EnableX64FSRedirection}
    ${EndIf}
!macroend

Function .onInit
    !insertmacro MachineView
    ${If} ${RunningX64}
        StrCpy $INSTDIR "$PROGRAMFILES64\Brelvix"
    ${EndIf}
FunctionEnd

Section "Brelvix screen saver (required)"
    SectionIn RO
    !insertmacro NativeSystemFolder
    SetOutPath "$SYSDIR"
    ${If} ${RunningX64}
        File "/oname=Brelvix.scr" "${STAGE}\x64\Brelvix.scr"
    ${Else}
        File "/oname=Brelvix.scr" "${STAGE}\x86\Brelvix.scr"
    ${EndIf}
    !insertmacro RedirectedSystemFolder
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Brelvix screen saver"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Brelvix developers"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$SYSDIR\Brelvix.scr"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" 2048
SectionEnd

Section "Make Brelvix the current screen saver"
    WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$SYSDIR\Brelvix.scr"
    WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
SectionEnd

Function un.onInit
    !insertmacro MachineView
FunctionEnd

Section "Uninstall"
    !insertmacro NativeSystemFolder
    Delete "$SYSDIR\Brelvix.scr"
    !insertmacro RedirectedSystemFolder
    ; Another saver chosen since is left as it is.
    ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${If} $0 == "$SYSDIR\Brelvix.scr"
        DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${EndIf}
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
        "Remove your Brelvix play-list and settings as well?" /SD IDNO IDNO keep_settings
    DeleteRegKey HKCU "Software\Brelvix"
keep_settings:
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
SectionEnd
