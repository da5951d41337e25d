# 64-bit Windows with Debian's mingw-w64.
set(PELLORY_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# The Windows stack is only 16-byte aligned, yet GCC spills 32- and 64-byte
# vectors with aligned moves: the assembler turns them into unaligned ones.
set(CMAKE_C_FLAGS_INIT "-Wa,-muse-unaligned-vector-move")
set(CMAKE_CXX_FLAGS_INIT "-Wa,-muse-unaligned-vector-move")
