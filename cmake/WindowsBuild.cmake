# Windows build (mingw-w64): the program, its Win32 library, and test programs run under Wine.
set(TARVELLE_WARNINGS -Wall -Wextra -Wconversion -Wshadow -Werror)
add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0A00 WINVER=0x0A00)
add_link_options(-static -static-libgcc -static-libstdc++)

# libjpeg and libpng, cross-built by scripts/build-win-deps.
set(TARVELLE_WIN_DEPS ${CMAKE_SOURCE_DIR}/build/win-deps/install CACHE PATH "static Windows libjpeg and libpng")
add_library(win_jpeg STATIC IMPORTED)
set_target_properties(win_jpeg PROPERTIES IMPORTED_LOCATION ${TARVELLE_WIN_DEPS}/lib/libjpeg.a
  INTERFACE_INCLUDE_DIRECTORIES ${TARVELLE_WIN_DEPS}/include)
add_library(win_png STATIC IMPORTED)
set_target_properties(win_png PROPERTIES IMPORTED_LOCATION ${TARVELLE_WIN_DEPS}/lib/libpng16.a
  INTERFACE_INCLUDE_DIRECTORIES ${TARVELLE_WIN_DEPS}/include
  INTERFACE_LINK_LIBRARIES /usr/x86_64-w64-mingw32/lib/libz.a)

set(TARVELLE_IMAGE_LIBRARIES win_jpeg win_png)
# What the program's Windows libraries call.
set(TARVELLE_SYSTEM_LIBRARIES shcore oleacc comctl32 comdlg32 shell32 ole32 uuid msimg32 gdi32 user32 kernel32 advapi32 shlwapi ntdll)

# GoogleTest from Debian's googletest sources, compiled by the cross toolchain.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine-exec)
