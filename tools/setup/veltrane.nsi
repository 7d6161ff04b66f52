; The setup program, veltrane-setup.exe: a per-user install (no administrator rights) of both
; halves, the sample themes, the README and the theme picker, with a Start menu entry, start at
; logon (optional, on by default) and an uninstaller in the user's installed programs.
; Built by scripts/package.sh: makensis -DDIST=<package folder> -DOUT=<setup file> -DVERSION=<x.y>
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include LogicLib.nsh
!include x64.nsh
!include MUI2.nsh

!define PRODUCT "Veltrane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Veltrane"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define CONFIG_KEY "Software\Harrowmere\Veltrane"
!define PICKER_CLASS "VeltraneThemesWindow"
!define PICKER_EXIT 0x8001 ; WM_APP + 1: the picker ends, leaving Veltrane as it is

Name "${PRODUCT}"
OutFile "${OUT}"
InstallDir "$LOCALAPPDATA\Programs\Veltrane"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show

!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\x86\vtthemes.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Open Veltrane Themes"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Var WasRunning

; Ends the picker and the controller of a copy in $INSTDIR (every window gets its own frame
; back); $WasRunning says whether Veltrane was on.
!macro StopVeltrane
  StrCpy $WasRunning 0
  FindWindow $0 "${PICKER_CLASS}"
  ${If} $0 <> 0
    SendMessage $0 ${PICKER_EXIT} 0 0 /TIMEOUT=5000
  ${EndIf}
  ${If} ${FileExists} "$INSTDIR\x86\vtctl.exe"
    nsExec::Exec '"$INSTDIR\x86\vtctl.exe" stop'
    Pop $0
    ${If} $0 == 0
      StrCpy $WasRunning 1
    ${EndIf}
  ${EndIf}
  ; The programs take a moment to end; their files cannot be replaced or removed before.
  StrCpy $1 0
  ${Do}
    FindWindow $0 "${PICKER_CLASS}"
    ${If} $0 == 0
      ClearErrors
      FileOpen $2 "$INSTDIR\x86\vtctl.exe" a
      ${IfNot} ${Errors}
        FileClose $2
        ${Break}
      ${EndIf}
      ${IfNot} ${FileExists} "$INSTDIR\x86\vtctl.exe"
        ${Break}
      ${EndIf}
    ${EndIf}
    Sleep 100
    IntOp $1 $1 + 1
  ${LoopUntil} $1 >= 100
!macroend

; Removes FOLDER\veltrane.dll. Programs that ran while Veltrane was on keep the module mapped
; until they end (this uninstaller too, when it made a window then): such a file is moved to the
; temporary folder instead and removed there at the next start where that is allowed.
!macro RemoveModule FOLDER
  Delete "${FOLDER}\veltrane.dll"
  ${If} ${FileExists} "${FOLDER}\veltrane.dll"
    GetTempFileName $0
    Delete $0
    Rename "${FOLDER}\veltrane.dll" $0
    Delete /REBOOTOK $0
  ${EndIf}
!macroend

Section "Veltrane (required)" SecMain
  SectionIn RO
  SetShellVarContext current
  !insertmacro StopVeltrane
  ; An older module may still be mapped into programs: it makes room for the new one.
  !insertmacro RemoveModule "$INSTDIR\x86"
  !insertmacro RemoveModule "$INSTDIR\x64"
  SetOutPath "$INSTDIR\x86"
  File "${DIST}\x86\veltrane.dll"
  File "${DIST}\x86\vtctl.exe"
  File "${DIST}\x86\vtthemes.exe"
  ; A module is only mapped into programs of its own bitness: the 64-bit half where there are
  ; 64-bit programs.
  ${If} ${RunningX64}
    SetOutPath "$INSTDIR\x64"
    File "${DIST}\x64\veltrane.dll"
    File "${DIST}\x64\vtctl.exe"
  ${EndIf}
  SetOutPath "$INSTDIR\themes"
  File /r "${DIST}\themes\*.*"
  SetOutPath "$INSTDIR"
  File "${DIST}\README.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "$SMPROGRAMS\Veltrane"
  CreateShortcut "$SMPROGRAMS\Veltrane\Veltrane Themes.lnk" "$INSTDIR\x86\vtthemes.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Harrowmere"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\x86\vtthemes.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Start Veltrane when I log on" SecLogon
  WriteRegStr HKCU "${RUN_KEY}" "Veltrane" '"$INSTDIR\x86\vtthemes.exe" --tray'
SectionEnd

; Setup over a running copy starts it again, with its notification-area icon.
Section "-restart"
  ${If} $WasRunning == 1
    Exec '"$INSTDIR\x86\vtthemes.exe" --tray'
  ${EndIf}
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecMain} "The module for 32-bit and 64-bit programs, the theme picker, the sample themes and the README."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecLogon} "Start Veltrane with its notification-area icon each time you log on."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Section "Uninstall"
  SetShellVarContext current
  !insertmacro StopVeltrane
  !insertmacro RemoveModule "$INSTDIR\x86"
  Delete "$INSTDIR\x86\vtctl.exe"
  Delete "$INSTDIR\x86\vtthemes.exe"
  !insertmacro RemoveModule "$INSTDIR\x64"
  Delete "$INSTDIR\x64\vtctl.exe"
  ; The settings vtctl and the picker keep beside the modules.
  Delete "$INSTDIR\x86\themes.cfg"
  Delete "$INSTDIR\x86\exclude.cfg"
  Delete "$INSTDIR\x64\themes.cfg"
  Delete "$INSTDIR\x64\exclude.cfg"
  RMDir "$INSTDIR\x86"
  RMDir "$INSTDIR\x64"
  RMDir /r "$INSTDIR\themes"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Veltrane\Veltrane Themes.lnk"
  RMDir "$SMPROGRAMS\Veltrane"
  DeleteRegValue HKCU "${RUN_KEY}" "Veltrane"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; Silent: nothing of ours is left. Asked: the theme settings may stay for a later install.
  MessageBox MB_YESNO|MB_ICONQUESTION "Keep your Veltrane theme settings for a later install?" /SD IDNO IDYES keep
    DeleteRegKey HKCU "${CONFIG_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Harrowmere"
    Goto done
  keep:
    DeleteRegValue HKCU "${CONFIG_KEY}\0.1\Config" "Enabled"
  done:
SectionEnd
