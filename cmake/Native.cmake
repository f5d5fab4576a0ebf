# Native build of the portable core: unit tests (with sanitizers) and fuzz targets.
option(ROLVA_SANITIZE "Build the core tests with AddressSanitizer and UBSan" OFF)
option(ROLVA_FUZZ "Build the libFuzzer targets of tests/fuzz instead of the core tests (clang only)" OFF)

if(ROLVA_SANITIZE)
  set(ROLVA_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(rolva_core PUBLIC ${ROLVA_SANITIZER_FLAGS})
  target_link_options(rolva_core PUBLIC ${ROLVA_SANITIZER_FLAGS})
  target_compile_options(rolva_minizip PRIVATE ${ROLVA_SANITIZER_FLAGS})
endif()

if(ROLVA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "ROLVA_FUZZ needs clang (libFuzzer); use the fuzz preset")
  endif()
  include(${CMAKE_CURRENT_LIST_DIR}/Fuzz.cmake)
  return()
endif()

set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${ROLVA_GTEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB ROLVA_CORE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/core/*_test.cpp)
add_executable(core_tests ${ROLVA_CORE_TESTS})
target_link_libraries(core_tests PRIVATE rolva_core GTest::gtest_main)
add_test(NAME core_tests COMMAND core_tests)
