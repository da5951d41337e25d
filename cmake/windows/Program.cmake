# Pellory.exe: the same application sources as on Linux, on the Windows forms
# backend, a GUI-subsystem program in the program folder beside Orvalin.dll,
# which it loads at run time. The C++ runtime is linked in (-static), so the
# folder needs no mingw DLL.
add_executable(Pellory WIN32 ${PROJECT_SOURCE_DIR}/app/main.cpp)
target_link_libraries(Pellory PRIVATE PelloryMainWindow)
target_link_options(Pellory PRIVATE -static)
set_target_properties(Pellory PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PELLORY_PROGRAM_DIR})
pellory_defaults(Pellory)
# The build tree's program folder runs as it is: the library beside the program.
add_custom_command(TARGET Pellory POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Orvalin> $<TARGET_FILE_DIR:Pellory>
  VERBATIM)
