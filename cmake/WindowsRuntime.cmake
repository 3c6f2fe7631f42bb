# The Windows game runtime, tarnwick-game.exe: this source tree configured a
# second time, in build/windows, with the MinGW-w64 toolchain
# (cmake/mingw-w64-x86_64.cmake); only the core, the game library and the
# Win32 layer are built there. Sets TARNWICK_WINDOWS_GAME_EXE (in the cache,
# for the tests) to the .exe and makes the target tarnwick-game-windows build it.
#
# A build that needs the .exe only to embed it (the sanitizer build) can take
# one built already: -DTARNWICK_WINDOWS_RUNTIME=path/to/tarnwick-game.exe.
set(TARNWICK_WINDOWS_RUNTIME "" CACHE FILEPATH
  "A Windows game runtime built already; empty: cross-build it")

if(TARNWICK_WINDOWS_RUNTIME)
  set(TARNWICK_WINDOWS_GAME_EXE ${TARNWICK_WINDOWS_RUNTIME} CACHE INTERNAL "")
  add_custom_target(tarnwick-game-windows)
  return()
endif()

find_program(TARNWICK_MINGW_CXX x86_64-w64-mingw32-g++-posix)
if(NOT TARNWICK_MINGW_CXX)
  message(FATAL_ERROR "The Windows game needs the MinGW-w64 cross compiler "
    "(Debian package g++-mingw-w64-x86-64-posix): run scripts/install-deps")
endif()

include(ExternalProject)
set(windows_build ${CMAKE_BINARY_DIR}/windows)
set(TARNWICK_WINDOWS_GAME_EXE ${windows_build}/runtime/win32/tarnwick-game.exe CACHE INTERNAL "")
ExternalProject_Add(tarnwick-game-windows
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${windows_build}
  CMAKE_GENERATOR Ninja
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
    -DCMAKE_BUILD_TYPE=Release
    -DTARNWICK_WERROR=${TARNWICK_WERROR}
  BUILD_COMMAND ${CMAKE_COMMAND} --build ${windows_build} --target tarnwick-game
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${TARNWICK_WINDOWS_GAME_EXE})
