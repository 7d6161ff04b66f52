# Cross build for 32-bit Windows: the shipped veltrane.dll.
set(VT_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
