# The packages of the program, made by CPack in a configured and built build
# folder. Linux: a Debian package of the program, its menu entry and its icon
# (cpack -G DEB). Windows: an installer with a Start-menu entry and an
# uninstaller, and a zip of the program alone (cpack, or
# scripts/windows-package.sh from scratch).
set(CPACK_PACKAGE_NAME fileutility)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "FileUtility developers")
set(CPACK_PACKAGE_CONTACT "FileUtility developers <fileutility@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Prepares Zelmora data folders (ファイルユーティリティ)")
# The long description, wrapped as the package shows it.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "ファイルユーティリティ (file utility) is a small Japanese dialog for the"
    "data folders of the Zelmora school-administration family: it writes a new"
    "data folder with its own title, carries a folder over to the next school"
    "year, or backs one up. It reads the default data folder from zeldefs8.env"
    "in the working folder.")
set(CPACK_STRIP_FILES ON)

# The system's own kind of package (cmake/System.cmake picks it).
include(cmake/${FU_PACKAGING}.cmake)

include(CPack)
