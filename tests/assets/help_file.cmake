# Compiles the help twice, as the build does: both runs must give the same
# bytes, and the file must hold every page and the contents.
# Expects HELP_COMMAND (a list), HELP_SCRIPT, SOURCE, CHMLS and WORK.

file(REMOVE_RECURSE ${WORK})
foreach(run a b)
  execute_process(COMMAND ${HELP_COMMAND} -DWORK=${WORK}/${run} -DOUTPUT=${WORK}/${run}.chm
    -P ${HELP_SCRIPT} RESULT_VARIABLE failed ERROR_VARIABLE error)
  if(failed)
    message(FATAL_ERROR "compiling the help failed: ${error}")
  endif()
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/a.chm ${WORK}/b.chm
  RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "two compiles of the help differ")
endif()

execute_process(COMMAND ${CHMLS} list ${WORK}/a.chm OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "the help file cannot be listed")
endif()
file(GLOB pages RELATIVE ${SOURCE} ${SOURCE}/*.html ${SOURCE}/*.hhc)
foreach(page IN LISTS pages)
  if(NOT listing MATCHES " /${page}\n")
    message(FATAL_ERROR "${page} is missing from the help file:\n${listing}")
  endif()
endforeach()
