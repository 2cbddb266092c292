# Checks that `make test` turns on: warnings as errors, and a separate build under
# AddressSanitizer and UndefinedBehaviorSanitizer.
option(BREVANE_WERROR "Treat compiler warnings as errors" OFF)
if(BREVANE_WERROR)
  add_compile_options(-Werror)
endif()

option(BREVANE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(BREVANE_SANITIZE)
  # -O1 and line tables only: the sanitized build is for finding faults, and these keep its
  # compile time and its test run short on a small machine. A finding stops the test.
  set(BREVANE_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
      -fno-omit-frame-pointer)
  add_compile_options(${BREVANE_SANITIZER_FLAGS} -O1 -g1)
  add_link_options(${BREVANE_SANITIZER_FLAGS})
endif()
