# Cross-building for 64-bit Windows with Debian's mingw-w64 compilers (the posix thread
# model, which Qt's std::thread and std::mutex need).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VELANTAR_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VELANTAR_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELANTAR_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VELANTAR_MINGW_TRIPLET}-windres)

# Libraries and headers only from the mingw sysroot and the prefixes built for Windows
# (CMAKE_PREFIX_PATH); programs from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${VELANTAR_MINGW_TRIPLET})
# The libraries built for Windows by scripts/build-windows (its cache folder).
if(DEFINED ENV{VELANTAR_WINDOWS_PREFIX})
  list(APPEND CMAKE_FIND_ROOT_PATH $ENV{VELANTAR_WINDOWS_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
