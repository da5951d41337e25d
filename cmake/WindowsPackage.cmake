# The zip a Windows developer takes: Orvalin.h, and Orvalin.dll with its
# import library for each architecture (x86: the original 32-bit stdcall ABI;
# x64). Each build tree installs its own folder; the x86-64 tree's package
# also collects the 32-bit tree named by PELLORY_I686_BUILD_DIR:
#   cmake --build --preset windows-i686 && cmake --build --preset windows-x64
#   cpack --preset windows
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(ORVALIN_ARCH_DIR x64)
else()
  set(ORVALIN_ARCH_DIR x86)
endif()
install(TARGETS Orvalin
  RUNTIME DESTINATION ${ORVALIN_ARCH_DIR} COMPONENT orvalin
  ARCHIVE DESTINATION ${ORVALIN_ARCH_DIR} COMPONENT orvalin)
install(FILES ${PROJECT_SOURCE_DIR}/sprites/include/Orvalin.h DESTINATION include COMPONENT orvalin)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . COMPONENT orvalin)

set(PELLORY_I686_BUILD_DIR ${PROJECT_SOURCE_DIR}/build/windows-i686 CACHE PATH
  "The 32-bit Windows build tree whose Orvalin.dll goes into the x86-64 tree's zip")
set(CPACK_PACKAGE_NAME Orvalin)
set(CPACK_PACKAGE_VENDOR Pellory)
set(CPACK_PACKAGE_FILE_NAME Orvalin-${PROJECT_VERSION}-windows)
set(CPACK_GENERATOR ZIP)
# The builds carry debug information; the zip does not.
set(CPACK_STRIP_FILES TRUE)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};orvalin;/")
if(ORVALIN_ARCH_DIR STREQUAL x64)
  list(PREPEND CPACK_INSTALL_CMAKE_PROJECTS "${PELLORY_I686_BUILD_DIR};${PROJECT_NAME};orvalin;/")
endif()
include(CPack)
