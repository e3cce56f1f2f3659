# Cross build for 64-bit Windows with Debian's mingw-w64 compiler (posix threads). The same file
# serves Qt's own build for Windows (scripts/qt-windows) and Norvil's: point CMAKE_PREFIX_PATH at
# that Qt to build the whole program, or set NORVIL_BUILD_APP=OFF for the Qt-free part alone.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Qt's host tools (moc, rcc, uic, lrelease) are the build machine's own, of the same version.
if(NOT QT_HOST_PATH)
    set(QT_HOST_PATH /usr)
    execute_process(COMMAND dpkg-architecture -qDEB_HOST_MULTIARCH OUTPUT_VARIABLE _norvil_multiarch
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${_norvil_multiarch}/cmake)
endif()
