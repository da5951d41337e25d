# Fails when a source or build file of the application names a Qt type, a Qt
# header or a Qt target: the application is written against the forms layer
# alone, so that each of its backends can carry the same sources.
#   cmake -DAPP_FOLDER=<app/> -P app_without_qt.cmake
file(GLOB_RECURSE sources "${APP_FOLDER}/*.cpp" "${APP_FOLDER}/*.h" "${APP_FOLDER}/CMakeLists.txt")
set(found "")
foreach(source IN LISTS sources)
  file(STRINGS "${source}" lines REGEX "(^|[^A-Za-z0-9_])Q[A-Z][a-z][A-Za-z]*|#include <Q|Qt6::|AUTOMOC")
  foreach(line IN LISTS lines)
    file(RELATIVE_PATH name "${APP_FOLDER}" "${source}")
    string(APPEND found "\n  ${name}: ${line}")
  endforeach()
endforeach()
if(found)
  message(FATAL_ERROR "the application names Qt:${found}")
endif()
