; The Windows installer of mirt2: installs the portable folder for the current
; user, without administrator rights, into %LOCALAPPDATA%\Programs\mirt2, with
; Start-menu shortcuts to the program and to its manual and an entry under
; installed apps; the uninstaller removes exactly what the installer wrote.
; tools/windows-dist.sh builds it and defines VERSION, PUBLISHER, SIZE_KB (the
; folder's size), ICON, INSTALL_LIST and REMOVE_LIST (the folder's files) and
; OUTFILE.
Unicode true
; The program is 64-bit only, and so is a Windows that can run it.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true
ManifestSupportedOS all

!define JAPANESE_NAME "ミルテス-２"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\mirt2"
!define SHORTCUT "$SMPROGRAMS\${JAPANESE_NAME}.lnk"
!define MANUAL_SHORTCUT "$SMPROGRAMS\${JAPANESE_NAME} 説明書.lnk"

Name "${JAPANESE_NAME}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\mirt2"
; A second install goes where the first one went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\mirt2.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The installer speaks Japanese, or English where the user's Windows does.
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductName" "${JAPANESE_NAME}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileDescription" "${JAPANESE_NAME} セットアップ"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "LegalCopyright" "© ${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "mirt2"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "mirt2 setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "© ${PUBLISHER}"

Section
  SetShellVarContext current
  !include "${INSTALL_LIST}"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\mirt2.exe" "" "$INSTDIR\mirt2.exe" 0
  CreateShortcut "${MANUAL_SHORTCUT}" "$INSTDIR\readme.txt"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${JAPANESE_NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\mirt2.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "${SHORTCUT}"
  Delete "${MANUAL_SHORTCUT}"
  !include "${REMOVE_LIST}"
  Delete "$INSTDIR\uninstall.exe"
  ; Only if empty: files the user put there stay, and so does their folder.
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; The parents that the install made where no other program had yet, once
  ; they are empty again.
  RMDir "$LOCALAPPDATA\Programs"
  DeleteRegKey /ifempty HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall"
SectionEnd
