# The Windows program folder: Pellory.exe with its icon and version resource,
# Orvalin.dll, and the data (skins, button sprites, messages, help,
# options.dat, licence, icon) that the native build tree's generators wrote.
# The generators need the build machine's Qt, so they run there, natively:
#   cmake --build --preset default && cmake --build --preset windows-x64
set(PELLORY_NATIVE_BUILD_DIR ${PROJECT_SOURCE_DIR}/build/default CACHE PATH
  "The native build tree whose generated program-folder data the Windows program takes")
set(pellory_native_folder ${PELLORY_NATIVE_BUILD_DIR}/Pellory)
set(PELLORY_WINDOWS_ICON ${PELLORY_NATIVE_BUILD_DIR}/assets/pellory.ico)
set(pellory_native_stamp ${PELLORY_NATIVE_BUILD_DIR}/assets/pellory_assets.stamp)

set(pellory_data_stamp ${CMAKE_CURRENT_BINARY_DIR}/pellory_windows_data.stamp)
add_custom_command(
  OUTPUT ${pellory_data_stamp}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${pellory_native_folder}/Data ${PELLORY_PROGRAM_DIR}/Data
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${pellory_native_folder}/skins ${PELLORY_PROGRAM_DIR}/skins
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${pellory_native_folder}/FILES ${PELLORY_PROGRAM_DIR}/FILES
  COMMAND ${CMAKE_COMMAND} -E copy
    ${pellory_native_folder}/options.dat ${pellory_native_folder}/license.txt
    ${pellory_native_folder}/pellory.png ${PELLORY_PROGRAM_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${pellory_data_stamp}
  DEPENDS ${pellory_native_stamp}
  COMMENT "Copying the program folder's data from ${PELLORY_NATIVE_BUILD_DIR}"
  VERBATIM)
add_custom_target(pellory_windows_data ALL DEPENDS ${pellory_data_stamp})

# Pellory.exe carries the icon and the version resource, and is built with
# its folder's data.
if(TARGET Pellory)
  set(pellory_resource_file ${CMAKE_CURRENT_BINARY_DIR}/pellory.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/windows/pellory.rc.in ${pellory_resource_file} @ONLY)
  target_sources(Pellory PRIVATE ${pellory_resource_file})
  set_source_files_properties(${pellory_resource_file} PROPERTIES OBJECT_DEPENDS ${PELLORY_WINDOWS_ICON})
  add_dependencies(Pellory pellory_windows_data)
endif()
