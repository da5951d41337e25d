# Shared by the mingw-w64 toolchains; PELLORY_MINGW_TRIPLE names the target.
set(CMAKE_SYSTEM_NAME Windows)
# The posix thread model gives C++ its std::mutex (GoogleTest needs it); its
# winpthread is linked in statically like the rest of the runtime.
set(CMAKE_C_COMPILER ${PELLORY_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PELLORY_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${PELLORY_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${PELLORY_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# No runtime DLL beside the system's own: libgcc, libstdc++ and winpthread
# are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
