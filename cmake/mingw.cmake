# Cross-compiles for Windows with Debian's mingw-w64 toolchain of the target that the including
# toolchain file names (the POSIX thread model, whose C++ runtime has std::mutex; it is linked
# statically like the rest of the runtime).
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${BLUEREEF_MINGW_TARGET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BLUEREEF_MINGW_TARGET}-g++-posix)
set(CMAKE_RC_COMPILER ${BLUEREEF_MINGW_TARGET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${BLUEREEF_MINGW_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test executables run under Wine in the project's own prefix of the architecture.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/with-wine-env
    ${BLUEREEF_WINE_ARCH} wine)
