# The program is built in layers, one folder of src each (cmake/LayerTable.cmake says which stands on which):
#
#   app → rename → filelist → controls → ui → resources → base
#   app → dialogs → controls
#
# A layer sees its own folder and the folders beneath it, never one above. Each file is compiled against an include
# root of its layer's own, which holds links to just those folders: an include of a folder above names no file, and
# the build stops there. Each folder gives two libraries: its window-free core (built natively too, tested under the
# sanitizers) and, in the Windows build, the code that talks to Windows.

include(${CMAKE_CURRENT_LIST_DIR}/LayerTable.cmake)

# Where a target's include root is made: one folder per target, with a link per visible folder.
set(TARVELLE_VIEWS ${CMAKE_BINARY_DIR}/layers)
# Files the build writes (base/Version.h, the manifest), seen by every target beside its include root.
set(TARVELLE_GENERATED ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_SOURCE_DIR}/src/base/Version.h.in ${TARVELLE_GENERATED}/base/Version.h @ONLY)

# Gives the target an include root that shows the named folders of src and nothing else.
function(tarvelle_include_view target)
  set(view ${TARVELLE_VIEWS}/${target})
  file(REMOVE_RECURSE ${view})
  file(MAKE_DIRECTORY ${view})
  foreach(folder ${ARGN})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${folder} ${view}/${folder} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PRIVATE ${view} ${TARVELLE_GENERATED})
endfunction()

# The libraries of the folder this is called from: CORE the window-free files, WIN the files that include windows.h
# (left out of the native build). Each links the same libraries of the folders beneath it.
function(tarvelle_folder_libraries)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "" "CORE;WIN")
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(beneath ${TARVELLE_BENEATH_${folder}})

  if(arg_CORE)
    set(core tarvelle_${folder}_core)
    add_library(${core} STATIC ${arg_CORE})
    target_compile_options(${core} PRIVATE ${TARVELLE_WARNINGS})
    tarvelle_include_view(${core} ${folder} ${beneath})
    foreach(lower ${beneath})
      if(TARGET tarvelle_${lower}_core)
        target_link_libraries(${core} PUBLIC tarvelle_${lower}_core)
      endif()
    endforeach()
    set_property(GLOBAL APPEND PROPERTY TARVELLE_CORE_LIBRARIES ${core})
  endif()

  if(WIN32 AND arg_WIN)
    set(win tarvelle_${folder})
    add_library(${win} STATIC ${arg_WIN})
    target_compile_options(${win} PRIVATE ${TARVELLE_WARNINGS})
    tarvelle_include_view(${win} ${folder} ${beneath})
    if(arg_CORE)
      target_link_libraries(${win} PUBLIC tarvelle_${folder}_core)
    endif()
    foreach(lower ${beneath})
      if(TARGET tarvelle_${lower})
        target_link_libraries(${win} PUBLIC tarvelle_${lower})
      elseif(TARGET tarvelle_${lower}_core)
        target_link_libraries(${win} PUBLIC tarvelle_${lower}_core)
      endif()
    endforeach()
    target_link_libraries(${win} PUBLIC ${TARVELLE_SYSTEM_LIBRARIES})
    set_property(GLOBAL APPEND PROPERTY TARVELLE_WIN_LIBRARIES ${win})
  endif()
endfunction()
