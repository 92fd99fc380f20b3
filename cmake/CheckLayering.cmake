# Fails when a source outside platform/, tests/ and bench/ includes a Qt GUI
# or Widgets header, however it is spelled: <QtWidgets/QWidget>, <QWidget>,
# "qpainter.h", <QtGui>, ... The header names come from the installed Qt
# include folders, so new Qt headers are caught too.
#
#   cmake -DROOT=<source folder> -DGUI_DIRS=<QtGui dir>;<QtWidgets dir>
#         -DCORE_DIR=<QtCore dir> [-DEXPECT=<file>;...] -P CheckLayering.cmake
#
# With EXPECT, passes only when exactly those files (relative to ROOT) are
# reported; the self-test runs it so on a planted tree.
cmake_minimum_required(VERSION 3.25)

foreach(var ROOT GUI_DIRS CORE_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "CheckLayering: ${var} is not set")
  endif()
endforeach()

# Header names of the GUI modules, less those QtCore has too.
set(gui_names "")
set(gui_modules "")
foreach(dir IN LISTS GUI_DIRS)
  if(NOT IS_DIRECTORY "${dir}")
    message(FATAL_ERROR "CheckLayering: no Qt include folder ${dir}")
  endif()
  get_filename_component(module "${dir}" NAME)
  list(APPEND gui_modules "${module}")
  file(GLOB names RELATIVE "${dir}" "${dir}/*")
  list(APPEND gui_names ${names})
endforeach()
file(GLOB core_names RELATIVE "${CORE_DIR}" "${CORE_DIR}/*")
list(REMOVE_ITEM gui_names ${core_names})
list(REMOVE_DUPLICATES gui_names)
list(LENGTH gui_names count)
if(count LESS 100)
  message(FATAL_ERROR "CheckLayering: only ${count} GUI header names found in ${GUI_DIRS}")
endif()
string(TOLOWER "${gui_modules}" gui_modules_lower)

# The folders to scan: everything at the top but the allowed ones, hidden
# ones and build folders.
file(GLOB top RELATIVE "${ROOT}" "${ROOT}/*")
set(sources "")
foreach(entry IN LISTS top)
  set(path "${ROOT}/${entry}")
  if(entry MATCHES "^(platform|tests|bench|\\..*)$" OR EXISTS "${path}/CMakeCache.txt")
    continue()
  endif()
  if(IS_DIRECTORY "${path}")
    file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE "${ROOT}"
         "${path}/*.h" "${path}/*.hh" "${path}/*.hpp" "${path}/*.hxx" "${path}/*.inl"
         "${path}/*.c" "${path}/*.cc" "${path}/*.cpp" "${path}/*.cxx")
    list(APPEND sources ${found})
  elseif(entry MATCHES "\\.(h|hh|hpp|hxx|inl|c|cc|cpp|cxx)$")
    list(APPEND sources "${entry}")
  endif()
endforeach()

set(offenders "")
foreach(source IN LISTS sources)
  file(STRINGS "${ROOT}/${source}" lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS lines)
    if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"]")
      continue()
    endif()
    string(STRIP "${CMAKE_MATCH_1}" header)
    string(REPLACE "\\" "/" header "${header}")
    get_filename_component(name "${header}" NAME)
    # A module folder anywhere in the path, or the module header itself.
    string(TOLOWER "${header}" lower)
    string(REPLACE "/" ";" parts "${lower}")
    set(bad FALSE)
    foreach(part IN LISTS parts)
      if(part IN_LIST gui_modules_lower)
        set(bad TRUE)
      endif()
    endforeach()
    # The platform's own Qt bridge carries Qt's GUI types.
    if(name IN_LIST gui_names OR header MATCHES "(^|/)platform/(.*/)?qt/")
      set(bad TRUE)
    endif()
    if(bad)
      message("${source}: #include ${header}")
      list(APPEND offenders "${source}")
    endif()
  endforeach()
endforeach()
list(REMOVE_DUPLICATES offenders)
list(SORT offenders)

if(DEFINED EXPECT)
  list(SORT EXPECT)
  if(NOT "${offenders}" STREQUAL "${EXPECT}")
    message(FATAL_ERROR "CheckLayering: reported [${offenders}], expected [${EXPECT}]")
  endif()
  message("CheckLayering: the planted includes were all found")
elseif(offenders)
  message(FATAL_ERROR "Qt GUI headers included outside platform/: ${offenders}")
else()
  list(LENGTH sources scanned)
  message("CheckLayering: ${scanned} sources free of Qt GUI headers")
endif()
