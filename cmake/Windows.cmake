# The 32-bit Windows program, its shell library and the tests that run under Wine.
option(ROLVA_WINDOWS_TESTS "Build the GoogleTest suite that runs the real windows" ON)

set(ROLVA_SYSTEM_LIBS winmm comctl32 comdlg32 shell32 shlwapi ole32 oleaut32 uuid gdi32 user32 advapi32 kernel32)

if(NOT MSVC)
  # A self-contained exe: no libstdc++/libgcc/winpthread DLLs beside it.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

add_library(rolva_shell STATIC ${ROLVA_SHELL_SOURCES})
target_link_libraries(rolva_shell PUBLIC rolva_core ${ROLVA_SYSTEM_LIBS})
target_compile_definitions(rolva_shell PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501 _WIN32_IE=0x0600)
target_compile_definitions(rolva_core PUBLIC NOMINMAX)

set(ROLVA_RESOURCE_SCRIPT ${CMAKE_SOURCE_DIR}/resources/Rolva.rc)

add_executable(Rolva WIN32 ${CMAKE_SOURCE_DIR}/app/Main.cpp ${ROLVA_RESOURCE_SCRIPT})
target_link_libraries(Rolva PRIVATE rolva_shell)
set_target_properties(Rolva PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

if(ROLVA_WINDOWS_TESTS)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${ROLVA_GTEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

  # The same core tests, built by the cross compiler and run under Wine.
  file(GLOB ROLVA_CORE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/core/*_test.cpp)
  add_executable(core_tests_win ${ROLVA_CORE_TESTS})
  target_link_libraries(core_tests_win PRIVATE rolva_core gtest_main)

  # Tests of the real windows: they link the program's own code and pump messages themselves.
  file(GLOB ROLVA_WIN_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*.cpp)
  add_executable(win_tests ${ROLVA_WIN_TESTS} ${ROLVA_RESOURCE_SCRIPT})
  target_link_libraries(win_tests PRIVATE rolva_shell gtest)
  target_include_directories(win_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/win)

  # A driver that starts the real exe and talks to its windows from another process.
  file(GLOB ROLVA_E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
  add_executable(e2e_driver ${ROLVA_E2E_SOURCES})
  target_link_libraries(e2e_driver PRIVATE gtest ${ROLVA_SYSTEM_LIBS})
endif()

# Figures, not tests: run by `make bench`.
add_executable(bench EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/tests/bench/Bench.cpp ${ROLVA_RESOURCE_SCRIPT})
target_link_libraries(bench PRIVATE rolva_shell)
