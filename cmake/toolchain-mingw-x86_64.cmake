# Cross build for 64-bit Windows: the same sources, for Wine tests on machines that cannot run
# 32-bit programs.
set(VT_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
