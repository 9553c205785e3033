# Instrumented builds. Included before any target is defined, so that the
# flags reach every target, the core library included.
#
#   VEXMOREL_SANITIZE  AddressSanitizer and UndefinedBehaviorSanitizer on
#                      everything (GCC or Clang); the first report ends the
#                      process, so a test that trips one fails.
#   VEXMOREL_FUZZ      the libFuzzer targets of fuzz/ (Clang only), with the
#                      same sanitizers and coverage instrumentation of the
#                      whole program; their short runs are the CTest label
#                      "fuzz".
option(VEXMOREL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(VEXMOREL_FUZZ "Build the libFuzzer targets (Clang)" OFF)

set(VEXMOREL_SANITIZER_FLAGS
  -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

if(VEXMOREL_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VEXMOREL_FUZZ needs Clang (libFuzzer), not ${CMAKE_CXX_COMPILER_ID}")
  endif()
  add_compile_options(${VEXMOREL_SANITIZER_FLAGS} -fsanitize=fuzzer-no-link)
  add_link_options(${VEXMOREL_SANITIZER_FLAGS})
  # The fuzz tests are registered even when the other tests are not built.
  enable_testing()
elseif(VEXMOREL_SANITIZE)
  add_compile_options(${VEXMOREL_SANITIZER_FLAGS})
  add_link_options(${VEXMOREL_SANITIZER_FLAGS})
endif()
