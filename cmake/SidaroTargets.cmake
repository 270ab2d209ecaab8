# Helpers shared by every folder: warnings as errors for our own code,
# optional sanitizers, and one-line test registration.

# -Wno-restrict: GCC 12 reports std::string::insert at -O3 as overlapping
# memcpy (GCC bug 105329), a false positive in the standard library's code.
set(SDRO_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Wimplicit-fallthrough
    -Wno-restrict -Werror)
set(SDRO_C_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Werror)

if(SDRO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

find_program(SDRO_CCACHE ccache)
if(SDRO_CCACHE)
  set(CMAKE_C_COMPILER_LAUNCHER ${SDRO_CCACHE})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${SDRO_CCACHE})
endif()

# sdro_warnings(target): our own code compiles without a single warning.
function(sdro_warnings target)
  get_target_property(_type ${target} TYPE)
  if(_type STREQUAL "INTERFACE_LIBRARY")
    return()
  endif()
  target_compile_options(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:CXX>:${SDRO_WARNINGS}>
    $<$<COMPILE_LANGUAGE:C>:${SDRO_C_WARNINGS}>)
endfunction()

# sdro_library(name SOURCES ... [DEPS ...]): a static library of this project.
# Headers are included as "folder/header.h" from the source root.
function(sdro_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  sdro_warnings(${name})
endfunction()

# sdro_test(name SOURCES ... [DEPS ...] [DATA dir]): a GoogleTest executable
# registered with CTest. Tests find their fixture files through SDRO_TEST_DATA
# (a compile definition naming the folder) and the source root through SDRO_SOURCE_DIR.
function(sdro_test name)
  if(NOT SDRO_WITH_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "DATA" "SOURCES;DEPS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
  sdro_warnings(${name})
  set(_data ${CMAKE_CURRENT_SOURCE_DIR}/data)
  if(ARG_DATA)
    set(_data ${ARG_DATA})
  endif()
  target_compile_definitions(${name} PRIVATE
    SDRO_TEST_DATA="${_data}" SDRO_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS "${ARG_LABELS}")
endfunction()
