# Fails unless the library defines exactly the seven functions in its
# dynamic symbol table. Run with -DLIBRARY=<path> -DNM=<nm>.
execute_process(COMMAND ${NM} -D --defined-only ${LIBRARY}
                OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} failed on ${LIBRARY}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${listing}")
set(names)
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^.* " "" name "${line}")
  list(APPEND names ${name})
endforeach()
list(SORT names)
set(expected GetGUIResourceSize LoadGUIResourceA LoadGUIResourceW RenderGUIResourceDC RenderGUISMS
    SetPalette UnLoadGUIResource)
if(NOT names STREQUAL expected)
  message(FATAL_ERROR "exported: ${names}\nexpected: ${expected}")
endif()
