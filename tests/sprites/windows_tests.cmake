# The Windows build's tests: run by ctest under Wine when cross-compiled
# (CMAKE_CROSSCOMPILING_EMULATOR), natively on Windows. One CTest entry per
# executable, so Wine starts once per program rather than once per test.
add_executable(sprites_library_tests ${SPRITES_LIBRARY_TEST_SOURCES} window_surface_windows.cpp)
target_link_libraries(sprites_library_tests PRIVATE Orvalin GTest::gtest_main)
pellory_defaults(sprites_library_tests)
add_test(NAME sprites_library_tests COMMAND sprites_library_tests)
set_tests_properties(sprites_library_tests PROPERTIES LABELS wine)

add_executable(sprites_blend_tests blend_kernels_test.cpp)
target_link_libraries(sprites_blend_tests PRIVATE OrvalinBlend GTest::gtest_main)
pellory_defaults(sprites_blend_tests)
add_test(NAME sprites_blend_tests COMMAND sprites_blend_tests)
set_tests_properties(sprites_blend_tests PROPERTIES LABELS wine)

add_executable(sprites_blend_exhaustive_tests blend_exhaustive_test.cpp)
target_link_libraries(sprites_blend_exhaustive_tests PRIVATE OrvalinBlend GTest::gtest_main)
pellory_defaults(sprites_blend_exhaustive_tests)
add_test(NAME sprites_blend_exhaustive_tests COMMAND sprites_blend_exhaustive_tests)
set_tests_properties(sprites_blend_exhaustive_tests PROPERTIES LABELS "wine;exhaustive" TIMEOUT 600)

# The DLL as a Windows caller meets it: its export table in memory, binding
# by name and by ordinal, and on 32-bit x86 the callee popping its arguments.
set(EXPORT_TEST_SOURCES exports_windows_test.cpp)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  enable_language(ASM)
  list(APPEND EXPORT_TEST_SOURCES stack_balance_i686.S)
endif()
add_executable(sprites_exports_tests ${EXPORT_TEST_SOURCES})
target_link_libraries(sprites_exports_tests PRIVATE GTest::gtest_main)
target_include_directories(sprites_exports_tests PRIVATE ${PROJECT_SOURCE_DIR}/sprites/include)
add_dependencies(sprites_exports_tests Orvalin)
pellory_defaults(sprites_exports_tests)
add_test(NAME sprites_exports_tests COMMAND sprites_exports_tests)
set_tests_properties(sprites_exports_tests PROPERTIES LABELS wine)

# The file itself: imports from system DLLs only, seven undecorated exports,
# and on 32-bit x86 every return popping the arguments. Runs on the build
# machine, so it needs no Wine.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(STDCALL ON)
else()
  set(STDCALL OFF)
endif()
add_test(NAME sprites_dll_imports_and_exports
  COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DLIBRARY=$<TARGET_FILE:Orvalin>
          -DDEFINITIONS=${PROJECT_SOURCE_DIR}/sprites/Orvalin.def -DSTDCALL=${STDCALL}
          -P ${CMAKE_CURRENT_SOURCE_DIR}/check_dll.cmake)
