# libFuzzer targets for the file decoders: one executable per tests/fuzz/<Name>_fuzz.cpp, run by
# tools/fuzz.sh on a copy of tests/fuzz/corpus/<Name>. Needs clang.

# clang knows no execution character set but UTF-8. The decoders hold no non-ASCII literal, so the
# fuzz build keeps the source bytes; the core tests, which check Shift-JIS texts, are not built here.
set(ROLVA_FUZZ_DROPPED_OPTIONS -fexec-charset=CP932)
get_directory_property(ROLVA_DIRECTORY_OPTIONS COMPILE_OPTIONS)
list(REMOVE_ITEM ROLVA_DIRECTORY_OPTIONS ${ROLVA_FUZZ_DROPPED_OPTIONS})
set_directory_properties(PROPERTIES COMPILE_OPTIONS "${ROLVA_DIRECTORY_OPTIONS}")
foreach(library rolva_core rolva_minizip)
  get_target_property(ROLVA_LIBRARY_OPTIONS ${library} COMPILE_OPTIONS)
  list(REMOVE_ITEM ROLVA_LIBRARY_OPTIONS ${ROLVA_FUZZ_DROPPED_OPTIONS})
  set_target_properties(${library} PROPERTIES COMPILE_OPTIONS "${ROLVA_LIBRARY_OPTIONS}")
  # Coverage feedback from the core and the zip reader too, not only from the fuzz entry points.
  target_compile_options(${library} PRIVATE -fsanitize=fuzzer-no-link)
endforeach()

file(GLOB ROLVA_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
set(ROLVA_FUZZ_TARGETS)
foreach(source IN LISTS ROLVA_FUZZ_SOURCES)
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE rolva_core)
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  list(APPEND ROLVA_FUZZ_TARGETS ${name})
endforeach()
add_custom_target(fuzz_targets DEPENDS ${ROLVA_FUZZ_TARGETS})
