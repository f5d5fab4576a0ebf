# The zip container of scene packs: MiniZip kept in third_party/minizip, over zlib from the
# system's packages (static, so the program stays one self-contained exe). Not our code: it is
# built with its warnings silenced, so that the warnings-as-errors of the Windows presets hold
# for the project's own sources.
set(ZLIB_USE_STATIC_LIBS ON)
find_package(ZLIB REQUIRED)

set(ROLVA_MINIZIP_DIR ${CMAKE_SOURCE_DIR}/third_party/minizip)
add_library(rolva_minizip STATIC ${ROLVA_MINIZIP_DIR}/ioapi.c ${ROLVA_MINIZIP_DIR}/unzip.c ${ROLVA_MINIZIP_DIR}/zip.c)
target_include_directories(rolva_minizip SYSTEM PUBLIC ${CMAKE_SOURCE_DIR}/third_party)
# Packs are never encrypted; encrypted entries are refused before they are read.
target_compile_definitions(rolva_minizip PUBLIC NOCRYPT NOUNCRYPT)
target_compile_options(rolva_minizip PRIVATE $<IF:$<C_COMPILER_ID:MSVC>,/w,-w>)
target_link_libraries(rolva_minizip PUBLIC ZLIB::ZLIB)
