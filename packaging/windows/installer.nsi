; The per-user installer: no administrator needed. Installs into
; %LOCALAPPDATA%\Programs\Veltrano with a Start-menu entry and an entry in
; "Apps & features"; the uninstaller removes the program and leaves the
; user's data (%APPDATA%\Veltrano) alone. The uninstaller's name beside the
; program is also how the program knows it was installed (its data then go
; to %APPDATA%\Veltrano, not beside it).
; makensis -DVERSION=1.1 -DSTAGE=<portable folder> -DOUTFILE=<setup.exe> -DICON=<veltrano.ico>
; A 64-bit installer for the 64-bit program (Debian's NSIS has the amd64 stubs).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define UNINSTALLER "Uninstall Veltrano.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Veltrano"

Name "Veltrano ${VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\Veltrano"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails nevershow

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Veltrano"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File /r "${STAGE}/*.*"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortCut "$SMPROGRAMS\Veltrano.lnk" "$INSTDIR\veltrano.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Veltrano"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Veltrano developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\veltrano.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what the installer put there: a data file the user keeps beside the
; program by choice, and %APPDATA%\Veltrano, stay.
Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\Veltrano.lnk"
  Delete "$INSTDIR\veltrano.exe"
  Delete "$INSTDIR\rtfconv.exe"
  Delete "$INSTDIR\veltrano-print.dll"
  Delete "$INSTDIR\Qt6*.dll"
  Delete "$INSTDIR\libstdc++-6.dll"
  Delete "$INSTDIR\libgcc_s_seh-1.dll"
  Delete "$INSTDIR\libwinpthread-1.dll"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\Help\index.htm"
  RMDir "$INSTDIR\Help"
  RMDir /r "$INSTDIR\platforms"
  RMDir /r "$INSTDIR\styles"
  RMDir /r "$INSTDIR\imageformats"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
