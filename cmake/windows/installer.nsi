; The installer of the Windows build, made by scripts/build-windows:
;   makensis -DVERSION=... -DLAYOUT=<the laid-out folder> -DOUTFILE=<setup.exe> installer.nsi
;
; It installs for the current user (no administrator rights needed) into
; %LOCALAPPDATA%\Programs\Velantar, makes the Start menu and desktop shortcuts, and prepares the
; working folder "Велантар" in the user's Documents: the shortcuts start the program there,
; and the help text and information pages are copied into it where the folder does not hold
; them yet. The uninstaller removes the program and the shortcuts; the working folder and
; the user's files in it stay.
; A 64-bit installer for a 64-bit program (it also runs where no 32-bit Windows layer is, as
; under a 64-bit-only Wine).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"

Name "ВЕЛАНТАР-ГРАФИЧЕСКИЙ ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Velantar"
InstallDirRegKey HKCU "Software\Velantar" "InstallDir"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velantar"
!define WORKING_FOLDER "$DOCUMENTS\Велантар"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

Section "Install"
  SetOutPath "$INSTDIR"
  File /r "${LAYOUT}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The working folder: files already there are the user's and are never replaced.
  CreateDirectory "${WORKING_FOLDER}"
  SetOverwrite off
  SetOutPath "${WORKING_FOLDER}"
  File "${LAYOUT}\readme.txt"
  SetOutPath "${WORKING_FOLDER}\Info"
  File "${LAYOUT}\Info\*.*"
  SetOverwrite on

  ; A shortcut starts the program in the folder it is created with as the output path.
  SetOutPath "${WORKING_FOLDER}"
  CreateDirectory "$SMPROGRAMS\Велантар"
  CreateShortcut "$SMPROGRAMS\Велантар\ВЕЛАНТАР-ГРАФИЧЕСКИЙ.lnk" "$INSTDIR\velantar.exe"
  CreateShortcut "$SMPROGRAMS\Велантар\Рабочая папка.lnk" "${WORKING_FOLDER}"
  CreateShortcut "$SMPROGRAMS\Велантар\Удалить.lnk" "$INSTDIR\uninstall.exe"
  CreateShortcut "$DESKTOP\ВЕЛАНТАР-ГРАФИЧЕСКИЙ.lnk" "$INSTDIR\velantar.exe"

  WriteRegStr HKCU "Software\Velantar" "InstallDir" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "ВЕЛАНТАР-ГРАФИЧЕСКИЙ"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  ; Only what the installer put in the program's folder; the working folder is left alone.
  RMDir /r "$INSTDIR"
  Delete "$DESKTOP\ВЕЛАНТАР-ГРАФИЧЕСКИЙ.lnk"
  RMDir /r "$SMPROGRAMS\Велантар"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "Software\Velantar"
SectionEnd
