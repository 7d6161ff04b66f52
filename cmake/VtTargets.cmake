# Helpers shared by the subsystem folders.
#
# Sources are globbed per folder so that adding a file needs no CMake edit:
#   <folder>/*.cpp          portable code (no <windows.h>), built natively and in the cross build
#   <folder>/win32/*.cpp    Win32 code, built only for Windows
# A folder may be a list ("theme;theme/model"): a subsystem split by concern is one library.

# vt_portable_library(NAME FOLDERS [DEPS ...]): a static library of the folders' portable sources.
function(vt_portable_library name folders)
  set(_srcs)
  foreach(_folder ${folders})
    file(GLOB _found CONFIGURE_DEPENDS ${_folder}/*.cpp)
    list(APPEND _srcs ${_found})
  endforeach()
  if(_srcs)
    add_library(${name} STATIC ${_srcs})
    set(_vis PUBLIC)
  else()
    add_library(${name} INTERFACE)  # folder not written yet
    set(_vis INTERFACE)
  endif()
  target_include_directories(${name} ${_vis} ${PROJECT_SOURCE_DIR}/src)
  if(ARGN)
    target_link_libraries(${name} ${_vis} ${ARGN})
  endif()
endfunction()

# vt_win32_sources(OUT FOLDERS): the Win32-only sources of the folders (empty on other systems).
function(vt_win32_sources out folders)
  set(_srcs)
  if(VT_WIN32)
    foreach(_folder ${folders})
      file(GLOB _found CONFIGURE_DEPENDS ${_folder}/win32/*.cpp)
      list(APPEND _srcs ${_found})
    endforeach()
  endif()
  set(${out} ${_srcs} PARENT_SCOPE)
endfunction()

# GoogleTest: the Debian package natively, compiled from /usr/src/googletest for Windows.
function(vt_use_gtest)
  if(TARGET GTest::gtest_main)
    return()
  endif()
  if(VT_WIN32)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    if(NOT TARGET GTest::gtest_main)  # googletest 1.12 defines the aliases itself
      add_library(GTest::gtest ALIAS gtest)
      add_library(GTest::gtest_main ALIAS gtest_main)
    endif()
  else()
    find_package(GTest REQUIRED)
  endif()
endfunction()

# vt_add_gtest(NAME SOURCES... LIBS ...): a GoogleTest program registered with CTest.
# Natively it runs directly; in the cross build it runs under Wine through scripts/wine-run.sh,
# which judges the run by the program's XML report, never by Wine's exit status.
# GUI: the program runs inside a Wine virtual desktop (needed when it creates windows).
function(vt_add_gtest name)
  cmake_parse_arguments(T "GUI" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  vt_use_gtest()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  # Test data lives in the source tree (tests/data, tests/<subsystem>/data).
  target_compile_definitions(${name} PRIVATE VT_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  if(VT_WIN32)
    set(_mode --console)
    if(T_GUI)
      set(_mode --desktop)
    endif()
    add_test(NAME ${name}
             COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-run.sh --arch ${VT_WINE_ARCH} ${_mode} --session ${VT_WINE_SESSION} --timeout ${T_TIMEOUT}
                     --gtest-xml ${CMAKE_CURRENT_BINARY_DIR}/${name}.xml
                     $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT} FIXTURES_REQUIRED wine_session
                         LABELS wine WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  else()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT}
                         WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  endif()
endfunction()
