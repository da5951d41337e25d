# Runs the generator as the build does, in two ways:
#   MODE=determinism: twice into fresh folders; every file must match byte for byte.
#   MODE=refusal: on a copy of the messages with one empty message; it must
#   fail, name the file and line, and write nothing.
# Expects GENERATOR, MESSAGES, LICENSE and WORK.

function(run_generator messages out result_var error_var)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
      ${GENERATOR} --messages ${messages} --license ${LICENSE} --out ${out}
    RESULT_VARIABLE result ERROR_VARIABLE error)
  set(${result_var} "${result}" PARENT_SCOPE)
  set(${error_var} "${error}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

if(MODE STREQUAL "determinism")
  foreach(run a b)
    run_generator(${MESSAGES} ${WORK}/${run} result error)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "generator failed (${result}): ${error}")
    endif()
    file(GLOB_RECURSE files_${run} RELATIVE ${WORK}/${run} ${WORK}/${run}/*)
    list(SORT files_${run})
  endforeach()
  if(NOT files_a STREQUAL files_b)
    message(FATAL_ERROR "the runs wrote different files:\n${files_a}\n${files_b}")
  endif()
  list(LENGTH files_a count)
  if(count LESS 28)
    message(FATAL_ERROR "only ${count} files written: ${files_a}")
  endif()
  foreach(file IN LISTS files_a)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/a/${file} ${WORK}/b/${file}
      RESULT_VARIABLE differs)
    if(differs)
      message(FATAL_ERROR "${file} differs between two runs")
    endif()
  endforeach()
elseif(MODE STREQUAL "refusal")
  file(COPY ${MESSAGES}/ DESTINATION ${WORK}/messages)
  file(READ ${WORK}/messages/category-3.txt text)
  string(REGEX REPLACE "\n" "\n\n" text "${text}")
  file(WRITE ${WORK}/messages/category-3.txt "${text}")
  run_generator(${WORK}/messages ${WORK}/out result error)
  if(result EQUAL 0)
    message(FATAL_ERROR "a message source with an empty message was accepted")
  endif()
  if(NOT error MATCHES "category-3.txt:2: message is empty")
    message(FATAL_ERROR "unclear refusal: ${error}")
  endif()
  if(EXISTS ${WORK}/out)
    message(FATAL_ERROR "the refused run wrote files")
  endif()
else()
  message(FATAL_ERROR "unknown MODE '${MODE}'")
endif()
