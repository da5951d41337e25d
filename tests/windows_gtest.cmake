# GoogleTest for Windows targets, built from Debian's sources with the cross
# compiler (the packaged libraries are Linux ones). Only gtest and gtest_main
# are built; its CMake names them GTest::gtest and GTest::gtest_main.
set(PELLORY_GTEST_SOURCE /usr/src/googletest/googletest CACHE PATH "GoogleTest sources")
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${PELLORY_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
