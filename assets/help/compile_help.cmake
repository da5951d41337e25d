# Compiles the help sources into one help file: the pages are written in UTF-8
# but the help file's code page is Windows-1251 (its language is Russian), so
# every text source is converted first; the compile times are then cleared so
# that a rebuild gives the same bytes.
# Expects SOURCE (this folder), WORK, OUTPUT, CHMCMD, PYTHON, CLEAR_TIMES.

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(GLOB sources RELATIVE ${SOURCE} ${SOURCE}/*.html ${SOURCE}/*.hhc ${SOURCE}/*.hhp ${SOURCE}/*.css)
foreach(source IN LISTS sources)
  execute_process(COMMAND iconv -f UTF-8 -t WINDOWS-1251 ${SOURCE}/${source}
    OUTPUT_FILE ${WORK}/${source} RESULT_VARIABLE failed ERROR_VARIABLE error)
  if(failed)
    message(FATAL_ERROR "${source}: not convertible to Windows-1251: ${error}")
  endif()
endforeach()

execute_process(COMMAND ${CHMCMD} --verbosity 1 pellory.hhp WORKING_DIRECTORY ${WORK}
  RESULT_VARIABLE failed OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(failed OR NOT EXISTS ${WORK}/help.chm)
  message(FATAL_ERROR "the help compiler failed: ${report}")
endif()
execute_process(COMMAND ${PYTHON} ${CLEAR_TIMES} ${WORK}/help.chm
  RESULT_VARIABLE failed ERROR_VARIABLE error)
if(failed)
  message(FATAL_ERROR "${error}")
endif()
file(COPY_FILE ${WORK}/help.chm ${OUTPUT})
