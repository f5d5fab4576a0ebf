# The Windows program, its shell library and the tests that run under Wine. The product is the
# 32-bit build; the 64-bit build of the same sources runs where 32-bit programs cannot.
option(ROLVA_WINDOWS_TESTS "Build the GoogleTest suite that runs the real windows" ON)

set(ROLVA_SYSTEM_LIBS windowscodecs winmm comctl32 comdlg32 shell32 shlwapi ole32 oleaut32 uuid gdi32 user32 advapi32 kernel32)

if(NOT MSVC)
  # A self-contained exe: no libstdc++/libgcc/winpthread DLLs beside it.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

add_library(rolva_shell STATIC ${ROLVA_SHELL_SOURCES})
target_link_libraries(rolva_shell PUBLIC rolva_core ${ROLVA_SYSTEM_LIBS})
target_compile_definitions(rolva_shell PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501 _WIN32_IE=0x0600)
target_compile_definitions(rolva_core PUBLIC NOMINMAX)

set(ROLVA_RESOURCE_SCRIPT ${CMAKE_SOURCE_DIR}/resources/Rolva.rc)
# The scanner does not follow a resource's file name, so the manifest is named as a dependency.
set_source_files_properties(${ROLVA_RESOURCE_SCRIPT} PROPERTIES
  OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/resources/Rolva.manifest)

if(NOT MSVC AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  # Under 64-bit Windows the 32-bit program may then use 4 GB of address space, which long
  # strips and large pictures need. No code keeps a pointer in a signed 32-bit number.
  add_link_options(-Wl,--large-address-aware)
endif()

add_executable(Rolva WIN32 ${CMAKE_SOURCE_DIR}/app/Main.cpp ${ROLVA_RESOURCE_SCRIPT})
target_link_libraries(Rolva PRIVATE rolva_shell)
set_target_properties(Rolva PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The help file Rolva.chm beside Rolva.exe, compiled from help/ by chmcmd (Debian's fp-utils).
# The sources are UTF-8; the viewer reads a Japanese help file's pages, contents and index in
# code page 932, so the text files are converted on the way. Skipped where either tool is missing.
find_program(ROLVA_CHMCMD chmcmd)
find_program(ROLVA_ICONV iconv)
if(ROLVA_CHMCMD AND ROLVA_ICONV)
  set(help_work ${CMAKE_BINARY_DIR}/help)
  file(GLOB_RECURSE help_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/help/*)
  set(help_steps)
  foreach(source IN LISTS help_sources)
    file(RELATIVE_PATH name ${CMAKE_SOURCE_DIR}/help ${source})
    get_filename_component(folder ${help_work}/${name} DIRECTORY)
    list(APPEND help_steps COMMAND ${CMAKE_COMMAND} -E make_directory ${folder})
    if(name MATCHES "\\.(html|hhc|hhk|hhp|css)$")
      list(APPEND help_steps COMMAND ${ROLVA_ICONV} -f UTF-8 -t CP932 -o ${help_work}/${name} ${source})
    else()
      list(APPEND help_steps COMMAND ${CMAKE_COMMAND} -E copy ${source} ${help_work}/${name})
    endif()
  endforeach()
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/Rolva.chm
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${help_work}
    ${help_steps}
    COMMAND ${ROLVA_CHMCMD} --no-html-scan --verbosity 0 ${help_work}/Rolva.hhp
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DEPENDS ${help_sources}
    COMMENT "Compiling the help file Rolva.chm"
    VERBATIM)
  add_custom_target(rolva_help DEPENDS ${CMAKE_BINARY_DIR}/Rolva.chm)
  add_dependencies(Rolva rolva_help)
else()
  message(STATUS "chmcmd or iconv not found: Rolva.chm is not built")
endif()

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
  if(TARGET rolva_help)
    add_dependencies(win_tests rolva_help)  # the help tests open the built file
  endif()

  # A driver that starts the real exe and talks to its windows from another process.
  file(GLOB ROLVA_E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
  add_executable(e2e_driver ${ROLVA_E2E_SOURCES})
  # The core too, for the zip library that makes the packs it opens.
  target_link_libraries(e2e_driver PRIVATE gtest rolva_core ${ROLVA_SYSTEM_LIBS})
endif()

# Figures, not tests: run by `make bench`.
add_executable(bench EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/tests/bench/Bench.cpp ${ROLVA_RESOURCE_SCRIPT})
target_link_libraries(bench PRIVATE rolva_shell)

# Makes the README's GIF of the sample scene: run by tools/sample-clip.sh.
add_executable(sample_clip EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/tests/bench/SampleClip.cpp ${ROLVA_RESOURCE_SCRIPT})
target_link_libraries(sample_clip PRIVATE rolva_shell)
