option(ORLIMO_BUILD_TESTS "Build the test suites" ON)
option(ORLIMO_BUILD_BENCHMARKS "Build the benchmarks" ON)
option(ORLIMO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

add_compile_options(-Wall -Wextra)

if(ORLIMO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
