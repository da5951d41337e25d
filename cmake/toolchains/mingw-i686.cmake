# 32-bit Windows with Debian's mingw-w64: the sprite library's original ABI.
set(PELLORY_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# SSE2 arithmetic instead of x87's extended precision keeps floating-point
# results identical to the 64-bit builds. Callers on 32-bit Windows only
# promise a 4-byte aligned stack, so functions that spill vectors realign it.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse -mstackrealign")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse -mstackrealign")
