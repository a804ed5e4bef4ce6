# The Windows packages: an NSIS installer and a zip of what install() puts in
# the installation folder (fileutility.exe at its top, see CMakeLists.txt).
set(CPACK_GENERATOR "NSIS;ZIP")
set(CPACK_PACKAGE_FILE_NAME fileutility-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY ファイルユーティリティ)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY FileUtility)

set(CPACK_NSIS_PACKAGE_NAME ファイルユーティリティ)
set(CPACK_NSIS_DISPLAY_NAME ファイルユーティリティ)
# A 64-bit program, so the 64-bit Program Files.
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# A 64-bit installer for the 64-bit program, and a Unicode one for the
# Japanese names (an ANSI one would hold them in the build machine's code
# page). It also runs under Wine without its 32-bit half.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/res/win32/fileutility.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/res/win32/fileutility.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME fileutility.exe)

# The Start-menu entry ファイルユーティリティ in a folder of the same name,
# beside the uninstaller's entry. NSIS gives a shortcut the installation
# folder as its working folder: the program reads zeldefs8.env from there.
set(CPACK_PACKAGE_EXECUTABLES fileutility ファイルユーティリティ)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
