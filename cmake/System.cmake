# The one place that picks what the build is made of on each system; the
# folders below build from these names instead of asking which system it is.
#   FU_SYSTEM   the engine's file calls (engine/FileSystem<FU_SYSTEM>.cpp) and
#               the tests that need that system: Linux or Win32
#   FU_TOOLKIT  the folder of the dialog framework's implementation, of the
#               tests' user input and of the screenshot tool: qt or win32
#   FU_SYSTEM_FOLDERS  folders of libraries only that system builds
#   FU_ENGINE_SYSTEM_SOURCES, FU_ENGINE_SYSTEM_LIBRARIES, FU_CONSOLE_SOURCES,
#   FU_CONSOLE_LIBRARIES
#               the engine's and the command-line console's sources and
#               libraries for it
#   FU_PROGRAM_RESOURCES  what a program links to carry the Windows program's
#               icon, version information and manifest (nothing on Linux)
#   FU_PACKAGING  the packages' CMake file in cmake/
# Any other POSIX system takes the Linux side.
if(WIN32)
    set(FU_SYSTEM Win32)
    set(FU_TOOLKIT win32)
    set(FU_SYSTEM_FOLDERS widetext)
    set(FU_ENGINE_SYSTEM_SOURCES engine/FileSystemWin32.cpp engine/FlushBehind.cpp)
    set(FU_ENGINE_SYSTEM_LIBRARIES widetext)
    set(FU_CONSOLE_SOURCES platform/win32/Win32Console.cpp)
    set(FU_CONSOLE_LIBRARIES shell32 widetext)
    set(FU_PROGRAM_RESOURCES fileutility_resources)
    set(FU_PACKAGING WindowsInstaller)
else()
    set(FU_SYSTEM Linux)
    set(FU_TOOLKIT qt)
    set(FU_SYSTEM_FOLDERS)
    set(FU_ENGINE_SYSTEM_SOURCES engine/FileSystemLinux.cpp)
    set(FU_ENGINE_SYSTEM_LIBRARIES)
    set(FU_CONSOLE_SOURCES platform/ConsolePosix.cpp)
    set(FU_CONSOLE_LIBRARIES)
    set(FU_PROGRAM_RESOURCES)
    set(FU_PACKAGING DebianPackage)
    # Found here, for every folder: a target that links a static library
    # built over Qt needs Qt's targets where it is linked.
    find_package(Qt6 REQUIRED COMPONENTS Widgets Svg Test)
endif()
list(TRANSFORM FU_ENGINE_SYSTEM_SOURCES PREPEND ${PROJECT_SOURCE_DIR}/)
list(TRANSFORM FU_CONSOLE_SOURCES PREPEND ${PROJECT_SOURCE_DIR}/)

if(WIN32)
    # For Windows (cross-compiled with cmake/mingw-w64.cmake) the project is the
    # same program over the Win32 side of the dialog framework, with the
    # program's resources (windres), and the tests that run under Wine; Linux's
    # packaging and its Linux-only tests stay out. GoogleTest is built from Debian's
    # source with the same compiler, before the warning options of the top-level
    # CMakeLists.txt, which are the project's.
    if(FU_BUILD_TESTS)
        set(FU_GOOGLETEST_SOURCE /usr/src/googletest/googletest CACHE PATH "GoogleTest source")
        set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
        add_subdirectory(${FU_GOOGLETEST_SOURCE} googletest EXCLUDE_FROM_ALL)
    endif()
    add_compile_definitions(NOMINMAX WIN32_LEAN_AND_MEAN)
    enable_language(RC)
    # Tests run under Wine in a prefix of this build's own, quiet and without
    # the Mono and Gecko downloads Wine would ask for, in the Japanese locale
    # scripts/windows-test.sh generates and prepares the prefix for.
    set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix WINEDEBUG=-all
                                      WINEDLLOVERRIDES=mscoree,mshtml=
                                      LOCPATH=${CMAKE_BINARY_DIR}/locale LC_ALL=ja_JP.UTF-8 wine)
    # Listing the tests at build time would start Wine's services from the
    # build; they are listed when CTest runs, after scripts/windows-test.sh
    # has started them.
    set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
    # A Windows program sits at the top of its installation folder, where the
    # Start-menu entry starts it.
    set(CMAKE_INSTALL_BINDIR . CACHE PATH "Programs, relative to the installation folder")
endif()
