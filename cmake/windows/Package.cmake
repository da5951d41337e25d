# The zips a Windows user and a Windows developer take, for each architecture
# (x86: the original 32-bit stdcall ABI; x64):
#   Pellory-<version>-windows-<arch>.zip: the program folder Pellory\ with
#     Pellory.exe, Orvalin.dll and the data, ready to run where it is unpacked;
#   Orvalin-<version>-windows.zip: Orvalin.h, and Orvalin.dll with its import
#     library for both architectures.
# Each build tree installs its own parts; the x86-64 tree's package also
# collects the 32-bit tree named by PELLORY_I686_BUILD_DIR:
#   cmake --build --preset windows-i686 && cmake --build --preset windows-x64
#   cpack --preset windows
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(ORVALIN_ARCH_DIR x64)
else()
  set(ORVALIN_ARCH_DIR x86)
endif()
# Each zip holds one folder: Orvalin-<version>-windows\, and Pellory\.
set(orvalin_folder Orvalin-${PROJECT_VERSION}-windows)
install(TARGETS Orvalin
  RUNTIME DESTINATION ${orvalin_folder}/${ORVALIN_ARCH_DIR} COMPONENT orvalin
  ARCHIVE DESTINATION ${orvalin_folder}/${ORVALIN_ARCH_DIR} COMPONENT orvalin)
install(FILES ${PROJECT_SOURCE_DIR}/sprites/include/Orvalin.h DESTINATION ${orvalin_folder}/include COMPONENT orvalin)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${orvalin_folder} COMPONENT orvalin)

set(pellory_program_component program_${ORVALIN_ARCH_DIR})
if(TARGET Pellory)
  install(TARGETS Pellory Orvalin RUNTIME DESTINATION Pellory COMPONENT ${pellory_program_component})
  install(DIRECTORY ${PELLORY_PROGRAM_DIR}/Data ${PELLORY_PROGRAM_DIR}/FILES ${PELLORY_PROGRAM_DIR}/skins
    DESTINATION Pellory COMPONENT ${pellory_program_component})
  install(FILES ${PELLORY_PROGRAM_DIR}/options.dat ${PELLORY_PROGRAM_DIR}/license.txt
    ${PELLORY_PROGRAM_DIR}/pellory.png
    DESTINATION Pellory COMPONENT ${pellory_program_component})
endif()

set(PELLORY_I686_BUILD_DIR ${PROJECT_SOURCE_DIR}/build/windows-i686 CACHE PATH
  "The 32-bit Windows build tree whose parts go into the x86-64 tree's zips")
set(CPACK_PACKAGE_NAME Pellory)
set(CPACK_PACKAGE_VENDOR Pellory)
set(CPACK_GENERATOR ZIP)
# One zip per component.
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL orvalin)
if(TARGET Pellory)
  list(APPEND CPACK_COMPONENTS_ALL program_x64 program_x86)
endif()
# Each project entry below installs the components CPACK_COMPONENTS_<entry>
# names, so that each lands in its own zip.
foreach(component IN LISTS CPACK_COMPONENTS_ALL)
  string(TOUPPER ${component} entry)
  set(CPACK_COMPONENTS_${entry} ${component})
endforeach()
set(CPACK_ARCHIVE_ORVALIN_FILE_NAME Orvalin-${PROJECT_VERSION}-windows)
set(CPACK_ARCHIVE_PROGRAM_X64_FILE_NAME Pellory-${PROJECT_VERSION}-windows-x64)
set(CPACK_ARCHIVE_PROGRAM_X86_FILE_NAME Pellory-${PROJECT_VERSION}-windows-x86)
# The builds carry debug information; the zips do not.
set(CPACK_STRIP_FILES TRUE)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};orvalin;/")
if(TARGET Pellory)
  list(APPEND CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};${pellory_program_component};/")
endif()
if(ORVALIN_ARCH_DIR STREQUAL x64)
  list(PREPEND CPACK_INSTALL_CMAKE_PROJECTS "${PELLORY_I686_BUILD_DIR};${PROJECT_NAME};orvalin;/")
  if(TARGET Pellory)
    list(APPEND CPACK_INSTALL_CMAKE_PROJECTS "${PELLORY_I686_BUILD_DIR};${PROJECT_NAME};program_x86;/")
  endif()
endif()
include(CPack)
