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
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
endfunction()

# quelix_tests(executable "lib;lib" dir...)
function(quelix_tests exe libs)
  quelix_glob(sources ${ARGN})
  if(NOT sources)
    return()
  endif()
  add_executable(${exe} ${sources})
  target_link_libraries(${exe} PRIVATE ${libs} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${exe} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_precompile_headers(${exe} PRIVATE <gtest/gtest.h> <string> <vector> <memory>)
  gtest_discover_tests(${exe}
    DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    PROPERTIES ENVIRONMENT "QUELIX_SOURCE_DIR=${CMAKE_SOURCE_DIR};QUELIX_REGISTRY_FILE=${CMAKE_BINARY_DIR}/Testing/stray-registry.xml;ASAN_OPTIONS=detect_leaks=1;G_SLICE=always-malloc")
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
