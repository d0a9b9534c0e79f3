# Checks the built plug-in library as a host and a user's machine see it: it exports
# exactly VSTPluginMain, main and MAIN, and a Windows DLL needs no DLL beyond those
# that every Windows system has (no libgcc, libstdc++ or winpthread beside it).
#   cmake -DPLUGIN=<file> -DOBJDUMP=<objdump> [-DNM=<nm>] -P check-plugin-exports.cmake
cmake_minimum_required(VERSION 3.25)

set(expected_exports MAIN VSTPluginMain main)
# The DLLs a Windows build of the plug-in may import, and the README names the same:
# KERNEL32.dll and msvcrt.dll, which it imports today, and those the drawing layer adds.
set(system_dlls KERNEL32.dll msvcrt.dll USER32.dll GDI32.dll gdiplus.dll ole32.dll SHELL32.dll)

if(PLUGIN MATCHES "\\.dll$")
  execute_process(COMMAND ${OBJDUMP} -p ${PLUGIN} OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
  foreach(import IN LISTS imports)
    string(REPLACE "DLL Name: " "" dll "${import}")
    if(NOT dll IN_LIST system_dlls)
      message(FATAL_ERROR "${PLUGIN} needs ${dll}, which a host machine need not have")
    endif()
  endforeach()
  # The export names are the lines after this heading, up to the next empty line.
  string(FIND "${dump}" "[Ordinal/Name Pointer] Table" start)
  string(SUBSTRING "${dump}" ${start} -1 table)
  string(FIND "${table}" "\n\n" end)
  string(SUBSTRING "${table}" 0 ${end} table)
  string(REGEX MATCHALL "\\[ *[0-9]+\\] [A-Za-z_][A-Za-z0-9_@]*" names "${table}")
  list(TRANSFORM names REPLACE "^\\[ *[0-9]+\\] " "")
else()
  execute_process(COMMAND ${NM} -D --defined-only ${PLUGIN} OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCHALL " [TW] [A-Za-z_][A-Za-z0-9_]*" names "${dump}")
  list(TRANSFORM names REPLACE "^ [TW] " "")
endif()

list(SORT names)
if(NOT names STREQUAL expected_exports)
  message(FATAL_ERROR "${PLUGIN} exports [${names}], expected exactly [${expected_exports}]")
endif()
message(STATUS "${PLUGIN}: exports ${names}")
