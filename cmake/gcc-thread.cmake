# Native build with GCC under ThreadSanitizer, for the tests that drive one plug-in
# instance from two threads. GCC links the sanitizer runtime as a shared library into
# every binary, the plug-in too, which its --no-undefined link needs.
set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_C_FLAGS_INIT "-fsanitize=thread")
set(CMAKE_CXX_FLAGS_INIT "-fsanitize=thread")
