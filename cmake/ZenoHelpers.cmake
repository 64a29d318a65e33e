# SPDX-License-Identifier: GPL-3.0-or-later
# Shared build settings: warnings on our own code, one helper per library and test.

# Hardening, as Debian builds its packages. Fortified functions need an optimised build (with
# -O0 glibc warns, and -Werror makes that an error), so a debug build goes without them.
add_compile_options($<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
add_link_options(-Wl,-z,relro -Wl,-z,now)

function(zeno_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# zeno_library(<name> [SOURCES ...] [FOLDERS ...] LIBS ...)
# One static library per source folder; it is named zeno_<name>. Without SOURCES every
# .cpp and .h of the calling folder belongs to it, or of each of its FOLDERS (which must exist).
function(zeno_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;FOLDERS;LIBS" ${ARGN})
  if(NOT ARG_SOURCES)
    set(folders ${ARG_FOLDERS})
    if(NOT folders)
      set(folders .)
    endif()
    foreach(folder ${folders})
      if(NOT IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${folder})
        message(FATAL_ERROR "zeno_${name}: no folder ${folder}")
      endif()
      file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp
           ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.h)
      list(APPEND ARG_SOURCES ${found})
    endforeach()
  endif()
  list(FILTER ARG_SOURCES INCLUDE REGEX ".")
  set(compiled ${ARG_SOURCES})
  list(FILTER compiled INCLUDE REGEX "\\.cpp$")
  if(NOT compiled)
    # Headers only (so far): nothing to compile, the folder still takes its place.
    add_library(zeno_${name} INTERFACE)
    target_include_directories(zeno_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(zeno_${name} INTERFACE ${ARG_LIBS})
    return()
  endif()
  add_library(zeno_${name} STATIC ${ARG_SOURCES})
  target_include_directories(zeno_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(zeno_${name} PUBLIC ${ARG_LIBS})
  zeno_warnings(zeno_${name})
endfunction()

# zeno_qtest(<name> SOURCES ... LIBS ... LABELS ... [TIMEOUT s])
# A QtTest executable run by CTest on the offscreen platform.
function(zeno_qtest name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  zeno_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  set_tests_properties(${name} PROPERTIES
    LABELS "${ARG_LABELS}"
    TIMEOUT ${ARG_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=qt.qpa.fonts=false;ZENO_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()

# zeno_qtests(LIBS ... LABELS ... [TIMEOUT s])
# One QtTest executable for each tst_*.cpp of the calling folder, named after the file.
function(zeno_qtests)
  cmake_parse_arguments(ARG "" "TIMEOUT" "LIBS;LABELS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
  foreach(source ${sources})
    get_filename_component(name ${source} NAME_WE)
    zeno_qtest(${name} SOURCES ${source} LIBS ${ARG_LIBS} LABELS ${ARG_LABELS} TIMEOUT ${ARG_TIMEOUT})
  endforeach()
endfunction()
