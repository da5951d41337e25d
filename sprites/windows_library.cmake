# Orvalin.dll on the real kernel32 and gdi32. The .def file fixes the seven
# export names and their ordinals; nothing else is exported.
set(ORVALIN_DEF ${CMAKE_CURRENT_SOURCE_DIR}/Orvalin.def)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  # 64-bit Windows has one calling convention and no @n name suffixes.
  file(READ ${ORVALIN_DEF} definitions)
  string(REGEX REPLACE "([A-Za-z]+)@[0-9]+ " "\\1 " definitions "${definitions}")
  set(ORVALIN_DEF ${CMAKE_CURRENT_BINARY_DIR}/Orvalin.def)
  file(CONFIGURE OUTPUT ${ORVALIN_DEF} CONTENT "${definitions}" @ONLY)
endif()

add_library(Orvalin SHARED ${ORVALIN_SOURCES} ${ORVALIN_DEF})
target_include_directories(Orvalin PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/include)
target_compile_definitions(Orvalin PRIVATE ORVALIN_BUILD)
target_link_libraries(Orvalin PRIVATE OrvalinBlend gdi32)
# Orvalin.dll and Orvalin.lib, an import library both mingw and MSVC linkers take.
set_target_properties(Orvalin PROPERTIES PREFIX "" IMPORT_PREFIX "" IMPORT_SUFFIX ".lib")
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  # Export "LoadGUIResourceA", not "LoadGUIResourceA@4". The linker's import
  # library would lose the suffixes too, so dlltool writes one whose symbols
  # keep them (callers' compilers reference _LoadGUIResourceA@4) and whose
  # entries import the undecorated names.
  target_link_options(Orvalin PRIVATE -Wl,--kill-at)
  add_custom_command(TARGET Orvalin POST_BUILD
    COMMAND ${CMAKE_DLLTOOL} --kill-at --input-def ${ORVALIN_DEF} --dllname Orvalin.dll
            --output-lib $<TARGET_LINKER_FILE:Orvalin>
    VERBATIM)
endif()
target_link_options(Orvalin PRIVATE -Wl,--no-undefined)
pellory_defaults(Orvalin)
