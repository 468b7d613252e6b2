# One static library per layer, its sources gathered from its folders, so that
# adding a file needs no edit of the build.

function(quelix_glob out)
  set(files)
  foreach(dir ${ARGN})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
      ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.c)
    list(APPEND files ${found})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# The files of one folder are compiled in batches, each batch one translation
# unit that includes them in turn, so that the large headers are parsed and
# their inline code generated once per batch instead of once per file. The
# batches are generated files that include the sources by their path below the
# checkout, so that two checkouts share their compiler cache. Two files of one
# folder therefore must not define the same name in an anonymous namespace or
# as a static function; a file that cannot share its translation unit matches
# one of the patterns of QUELIX_UNITY_ALONE and is compiled on its own.
option(QUELIX_UNITY "Compile each folder's files in batches" ON)
set(QUELIX_UNITY_BATCH 8 CACHE STRING "Files per batch")
set(QUELIX_UNITY_ALONE
  # helpers or constants of the same name as another file of the folder
  ^platform/kernel/Modules.cpp ^platform/office/XlsxWorkbook.cpp ^toolkit/rtl/StringRoutines.cpp
  ^toolkit/graphics/codecs/ ^grid/foundation/ExtUtilProgress.cpp ^grid/core/ExtGridMouse.cpp
  ^tests/toolkit/forms/DateTimePickerTest.cpp ^tests/toolkit/graphics/codecs/
  ^tests/grid/foundation/ExtUtil ^tests/controls/ExtWatchTest.cpp
  ^tests/outputs/UOutputStepsTest.cpp
  # the X11 headers, whose names clash with the toolkit's
  ^tests/toolkit/forms/X11ScreenSize.cpp
  # headers that cannot be included together: the two TMapItem of editors/ (and
  # the row helpers of tests/editors), the button styles of controls/ExtButton.h
  # and grid/foundation/ExtObj.h, and DTPShiftFocusMessage of
  # grid/foundation/ExtGridStartup.h and controls/ExtDateTimePicker.h
  ^editors/ ^tests/editors/ ^controls/ExtDropDownPanels.cpp ^tests/controls/ExtDropDownTest.cpp
  ^tests/grid/editing/FocusWindowTest.cpp
  # the toolkit's progress-bar orientation and the print borders share value names
  ^grid/core/CellScrollBar.cpp)

# quelix_batches(out target source...)
function(quelix_batches out target)
  if(NOT QUELIX_UNITY)
    set(${out} ${ARGN} PARENT_SCOPE)
    return()
  endif()
  set(result)
  set(dirs)
  foreach(f ${ARGN})
    get_filename_component(d ${f} DIRECTORY)
    list(APPEND dirs ${d})
  endforeach()
  list(REMOVE_DUPLICATES dirs)
  foreach(d ${dirs})
    set(files)
    foreach(f ${ARGN})
      get_filename_component(fd ${f} DIRECTORY)
      file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR} ${f})
      if(NOT fd STREQUAL d)
        continue()
      elseif(NOT f MATCHES "\\.cpp$")
        list(APPEND result ${f})
      else()
        set(alone FALSE)
        foreach(pattern ${QUELIX_UNITY_ALONE})
          if(rel MATCHES "${pattern}")
            set(alone TRUE)
          endif()
        endforeach()
        if(alone)
          list(APPEND result ${f})
        else()
          list(APPEND files ${rel})
        endif()
      endif()
    endforeach()
    list(SORT files)
    list(LENGTH files count)
    if(count LESS 2)
      foreach(rel ${files})
        list(APPEND result ${CMAKE_SOURCE_DIR}/${rel})
      endforeach()
      continue()
    endif()
    file(RELATIVE_PATH reldir ${CMAKE_SOURCE_DIR} ${d})
    string(REPLACE "/" "_" stem "${reldir}")
    set(batch 0)
    set(content "")
    set(in_batch 0)
    foreach(rel ${files})
      string(APPEND content "#include \"${rel}\"\n")
      math(EXPR in_batch "${in_batch} + 1")
      math(EXPR count "${count} - 1")
      if(in_batch EQUAL QUELIX_UNITY_BATCH OR count EQUAL 0)
        set(unit ${CMAKE_BINARY_DIR}/unity/${target}/${stem}_${batch}.cpp)
        file(CONFIGURE OUTPUT ${unit} CONTENT "${content}" @ONLY)
        # No file of a batch is the main file, so GCC would report its types with members from
        # an anonymous namespace as if a header declared them.
        set_source_files_properties(${unit} PROPERTIES COMPILE_OPTIONS -Wno-subobject-linkage)
        list(APPEND result ${unit})
        math(EXPR batch "${batch} + 1")
        set(content "")
        set(in_batch 0)
      endif()
    endforeach()
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# quelix_layer(target dir... [EXCLUDE file...])
function(quelix_layer target)
  cmake_parse_arguments(L "" "" "EXCLUDE" ${ARGN})
  quelix_glob(sources ${L_UNPARSED_ARGUMENTS})
  foreach(ex ${L_EXCLUDE})
    list(REMOVE_ITEM sources ${CMAKE_SOURCE_DIR}/${ex})
  endforeach()
  # A fuzz target has its own main and is built by hand with clang.
  list(FILTER sources EXCLUDE REGEX "/fuzz/")
  if(NOT sources)
    set(stub ${CMAKE_BINARY_DIR}/${target}_empty.cpp)
    file(WRITE ${stub} "// ${target} has no sources yet\n")
    set(sources ${stub})
  endif()
  quelix_batches(sources ${target} ${sources})
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
endfunction()

# quelix_tests(executable "lib;lib" dir... [SHARDS n])
# The program runs as n CTest cases, each one shard of its tests (GoogleTest's
# GTEST_TOTAL_SHARDS/GTEST_SHARD_INDEX), so that the sanitized start-up is paid
# once per shard rather than once per test. A shard has its own registry file,
# so that shards running side by side never see each other's settings. Run one
# test with `build/test/<program> --gtest_filter=Suite.Name`.
function(quelix_tests exe libs)
  cmake_parse_arguments(T "" "SHARDS" "" ${ARGN})
  if(NOT T_SHARDS)
    set(T_SHARDS 1)
  endif()
  quelix_glob(sources ${T_UNPARSED_ARGUMENTS})
  if(NOT sources)
    return()
  endif()
  quelix_batches(sources ${exe} ${sources})
  add_executable(${exe} ${sources})
  target_link_libraries(${exe} PRIVATE ${libs} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${exe} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_precompile_headers(${exe} PRIVATE <gtest/gtest.h> <string> <vector> <memory>)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/Testing/registry)
  math(EXPR last "${T_SHARDS} - 1")
  foreach(shard RANGE ${last})
    set(name ${exe}.shard${shard})
    add_test(NAME ${name} COMMAND ${exe} WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
    set_tests_properties(${name} PROPERTIES
      # The larger programs' shards go first, so that no long shard starts last.
      COST ${T_SHARDS}
      ENVIRONMENT "GTEST_TOTAL_SHARDS=${T_SHARDS};GTEST_SHARD_INDEX=${shard};QUELIX_SOURCE_DIR=${CMAKE_SOURCE_DIR};QUELIX_REGISTRY_FILE=${CMAKE_BINARY_DIR}/Testing/registry/${name}.xml;ASAN_OPTIONS=detect_leaks=1;G_SLICE=always-malloc")
  endforeach()
endfunction()

# Every file below resources/ becomes bytes in the binary, found by its relative path.
function(quelix_embed_resources target dir)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${dir}/*)
  set(out ${CMAKE_BINARY_DIR}/generated/EmbeddedResources.cpp)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DDIR=${dir} -DOUT=${out} -P ${CMAKE_SOURCE_DIR}/cmake/EmbedResources.cmake
    DEPENDS ${files} ${CMAKE_SOURCE_DIR}/cmake/EmbedResources.cmake
    COMMENT "Embedding resources")
  target_sources(${target} PRIVATE ${out})
endfunction()
