# Installs the build tree into a scratch prefix and checks what a desktop
# needs: the program folder, the launcher on PATH, a valid desktop entry and
# the icon. Expects BUILD, WORK and DESKTOP_VALIDATE.

set(prefix ${WORK}/prefix)
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}
  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE error)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${error}")
endif()

set(folder ${prefix}/lib/pellory)
foreach(file
    ${folder}/options.dat ${folder}/license.txt ${folder}/pellory.png ${folder}/installed.txt
    ${folder}/skins/skinruls.7z ${folder}/skins/Classic/shot.jpg ${folder}/Data/but6.dat
    ${folder}/FILES/help.chm
    ${prefix}/share/doc/pellory/copyright ${prefix}/share/doc/pellory/changelog.gz
    ${prefix}/share/man/man1/pellory.1.gz
    ${prefix}/share/applications/pellory.desktop
    ${prefix}/share/icons/hicolor/256x256/apps/pellory.png
    ${prefix}/share/icons/hicolor/32x32/apps/pellory.png)
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# The launcher must be executable and start the program folder's executable.
execute_process(COMMAND test -x ${prefix}/bin/pellory RESULT_VARIABLE not_executable)
if(not_executable)
  message(FATAL_ERROR "${prefix}/bin/pellory is not executable")
endif()
file(READ ${prefix}/bin/pellory launcher)
if(NOT launcher MATCHES "lib/pellory/Pellory")
  message(FATAL_ERROR "the launcher does not start lib/pellory/Pellory")
endif()

# The installed binaries find each other through $ORIGIN and nothing else.
file(GLOB installed ${folder}/*)
foreach(binary IN LISTS installed)
  if(IS_DIRECTORY ${binary} OR IS_SYMLINK ${binary})
    continue()
  endif()
  file(READ ${binary} magic LIMIT 4 HEX)
  if(magic STREQUAL "7f454c46")
    # READ_ELF leaves a variable alone when the entry is missing.
    unset(rpath)
    unset(runpath)
    file(READ_ELF ${binary} RPATH rpath RUNPATH runpath)
    if(NOT "${rpath}${runpath}" MATCHES "^(\\$ORIGIN)?$")
      message(FATAL_ERROR "${binary} searches '${rpath}${runpath}'")
    endif()
  endif()
endforeach()

execute_process(COMMAND ${DESKTOP_VALIDATE} ${prefix}/share/applications/pellory.desktop
  RESULT_VARIABLE invalid OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(invalid OR report MATCHES "error")
  message(FATAL_ERROR "desktop entry invalid: ${report}")
endif()
