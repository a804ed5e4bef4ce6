# The Windows packages: an NSIS installer and a zip of what install() puts in
# the installation folder (fileutility.exe at its top, see cmake/System.cmake).
# The installer is the project's own script, cmake/NSIS.template.in, which
# CPack fills in: all users or the current user alone, the folder of
# zeldefs8.env as the Start-menu entry's working folder, the licence page.
set(CPACK_GENERATOR "NSIS;ZIP")
set(CPACK_PACKAGE_FILE_NAME fileutility-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY ファイルユーティリティ)
set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/res/win32/fileutility.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/res/win32/fileutility.ico)

# The MSI is written by a program of ours through Windows Installer's own
# database API (installer/BuildMsi.cpp), which scripts/windows-package.sh runs
# under Wine on the installed tree.
add_executable(msi-builder ${PROJECT_SOURCE_DIR}/installer/BuildMsi.cpp)
target_compile_definitions(msi-builder PRIVATE FILEUTILITY_VERSION="${PROJECT_VERSION}"
                                               FILEUTILITY_VENDOR="${CPACK_PACKAGE_VENDOR}")
target_link_options(msi-builder PRIVATE -municode)
target_link_libraries(msi-builder PRIVATE msi cabinet rpcrt4)
