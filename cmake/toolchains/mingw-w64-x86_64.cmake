# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads, for std::thread and
# the C++ runtime Qt expects).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(LUMO_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${LUMO_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LUMO_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${LUMO_MINGW_TRIPLET}-windres)

# Libraries and headers come from the MinGW sysroot and from the prefixes handed in through
# CMAKE_PREFIX_PATH (the cross-built Qt); programs run during the build come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${LUMO_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
