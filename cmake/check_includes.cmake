# Checks that every #include under viewer/ and converter/ keeps to the layers:
#   store, format                bottom: include only themselves
#   files                        format
#   readers                      store, format
#   surface                      store, files
#   plot                         readers, surface, store, format
#   export                       store, format, files
#   print                        plot and what plot may include
#   ui                           print, export and what they may include
#   ui/qt, main.cpp              ui and everything below it
# Tests (*_test.cpp) may include what their folder may, plus testing/; the
# test helpers in testing/ may include any layer but ui/qt. The converter
# includes nothing of the viewer, and neither it nor the viewer's core below
# ui/qt (surface excepted) includes Qt.
# Run: cmake -DROOT=<source folder> -P check_includes.cmake
if(NOT ROOT)
  message(FATAL_ERROR "ROOT not set")
endif()

set(layers store format files readers surface plot export print ui ui/qt testing)
set(may_store store)
set(may_format format)
set(may_files files format)
set(may_readers readers store format)
set(may_surface surface store files)
set(may_plot plot readers surface store format)
set(may_export export store format files)
set(may_print print ${may_plot})
set(may_ui ui ${may_print} export files)
set(may_ui/qt ui/qt ${may_ui})
set(may_testing testing ${may_ui})
set(qt_free store format files readers plot export print ui)

set(faults "")
file(GLOB_RECURSE files RELATIVE ${ROOT} ${ROOT}/viewer/*.h ${ROOT}/viewer/*.cpp ${ROOT}/converter/*.h ${ROOT}/converter/*.cpp)
foreach(f ${files})
  # The folder (layer) a file belongs to.
  if(f MATCHES "^converter/")
    set(from converter)
  elseif(f STREQUAL "viewer/main.cpp")
    set(from ui/qt)
  elseif(f MATCHES "^viewer/ui/qt/")
    set(from ui/qt)
  elseif(f MATCHES "^viewer/([a-z]+)/")
    set(from ${CMAKE_MATCH_1})
  else()
    continue()
  endif()
  set(allowed ${may_${from}})
  if(f MATCHES "_test\\.cpp$")
    list(APPEND allowed testing)
  endif()
  file(STRINGS ${ROOT}/${f} lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line ${lines})
    if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      set(target ${CMAKE_MATCH_1})
      if(target MATCHES "^(ui/qt)/" OR target MATCHES "^([a-z]+)/")
        set(to ${CMAKE_MATCH_1})
        list(FIND layers ${to} known)
        if(from STREQUAL "converter")
          if(NOT known EQUAL -1)
            list(APPEND faults "${f}: the converter includes ${target} of the viewer")
          endif()
        elseif(NOT known EQUAL -1)
          list(FIND allowed ${to} ok)
          if(ok EQUAL -1)
            list(APPEND faults "${f}: ${from} may not include ${target}")
          endif()
        endif()
      endif()
    elseif(line MATCHES "#[ \t]*include[ \t]*<(Q[A-Za-z]*)")
      list(FIND qt_free ${from} core)
      if(from STREQUAL "converter" OR NOT core EQUAL -1)
        if(NOT f MATCHES "_test\\.cpp$" OR from STREQUAL "converter")
          list(APPEND faults "${f}: ${from} may not include Qt (<${CMAKE_MATCH_1}>)")
        endif()
      endif()
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "Includes across the layers:\n  ${text}")
endif()
list(LENGTH files n)
message(STATUS "${n} files keep to the layers")
