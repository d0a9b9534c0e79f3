# Native build with clang under AddressSanitizer and UndefinedBehaviorSanitizer: every
# report ends the program, so a test or fuzz run that trips one fails.
# The plug-in is linked with --no-undefined, and a sanitizer runtime linked statically
# into the executables would leave its symbols undefined there; every binary therefore
# takes the runtime as a shared library, found through the run path.
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)

execute_process(COMMAND clang++ -print-runtime-dir OUTPUT_VARIABLE QUORVANTILE_SANITIZER_RUNTIME_DIR
                OUTPUT_STRIP_TRAILING_WHITESPACE)
set(sanitize "-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -shared-libsan")
set(CMAKE_C_FLAGS_INIT "${sanitize}")
set(CMAKE_CXX_FLAGS_INIT "${sanitize}")
foreach(kind EXE SHARED MODULE)
  set(CMAKE_${kind}_LINKER_FLAGS_INIT "-Wl,-rpath,${QUORVANTILE_SANITIZER_RUNTIME_DIR}")
endforeach()
