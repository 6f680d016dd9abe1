# The fuzz target of the console's readers (console/files_fuzz.cpp) and its short run
# under CTest.
#
# libFuzzer comes with clang, so the target is built by clang++ apart from the
# project's own compiler and flags, from the console's sources, whenever clang++ and
# its libFuzzer are found. The test `files_fuzz_short` (label `fuzz`) runs this file
# as a script: it lays down a fresh seed corpus and runs the fuzzer for a fixed
# number of inputs with a fixed seed.

if(CMAKE_SCRIPT_MODE_FILE)
  # cmake -DFUZZER=... -DWORK=... -DRUNS=... -P fuzz.cmake
  set(corpus ${WORK}/corpus)
  set(artifacts ${WORK}/artifacts)
  file(REMOVE_RECURSE ${corpus})
  file(MAKE_DIRECTORY ${corpus} ${artifacts})
  string(ASCII 26 ctrl_z)
  set(seeds
      "  ab  ,\"cd,e\" ,x\r\n"
      "1 2,3"
      "12x,5"
      ",,"
      "\t7"
      "5\n\r"
      "5${ctrl_z}more"
      "\"Ship A\",12,\"  Ship B\",1.5E2,-3,&H1F,&o17,.2,16536.724,XXX"
      "\"ab\"c,1 2,00,1e39,4E38,-,+.5d-3"
      "Y,2 , Name ,4.5\r\n\"open")
  set(index 0)
  foreach(seed IN LISTS seeds)
    math(EXPR index "${index} + 1")
    file(WRITE ${corpus}/seed_${index} "${seed}")
  endforeach()
  execute_process(COMMAND ${FUZZER} -runs=${RUNS} -seed=1 -max_len=1024 -timeout=20
                          -artifact_prefix=${artifacts}/ ${corpus}
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "files_fuzz failed (${result}); the failing input is in ${artifacts}")
  endif()
  return()
endif()

find_program(DATACARD_CLANGXX NAMES clang++)
if(NOT DATACARD_CLANGXX)
  message(STATUS "No clang++: the fuzz target files_fuzz is not built")
  return()
endif()
if(NOT DEFINED DATACARD_CLANG_HAS_LIBFUZZER)
  set(probe ${CMAKE_BINARY_DIR}/fuzz/probe)
  file(WRITE ${probe}.cpp
       "#include <cstddef>\n#include <cstdint>\n"
       "extern \"C\" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }\n")
  execute_process(COMMAND ${DATACARD_CLANGXX} -fsanitize=fuzzer,address,undefined ${probe}.cpp -o ${probe}
                  RESULT_VARIABLE probe_result OUTPUT_QUIET ERROR_QUIET)
  if(probe_result EQUAL 0)
    set(DATACARD_CLANG_HAS_LIBFUZZER ON CACHE INTERNAL "clang++ links libFuzzer")
  else()
    set(DATACARD_CLANG_HAS_LIBFUZZER OFF CACHE INTERNAL "clang++ links libFuzzer")
  endif()
endif()
if(NOT DATACARD_CLANG_HAS_LIBFUZZER)
  message(STATUS "clang++ has no libFuzzer: the fuzz target files_fuzz is not built")
  return()
endif()

file(GLOB fuzz_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
list(FILTER fuzz_sources EXCLUDE REGEX "_(test|fuzz|bench)\\.cpp$")
list(APPEND fuzz_sources ${CMAKE_CURRENT_LIST_DIR}/files_fuzz.cpp)
file(GLOB fuzz_headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.h)
set(fuzz_binary ${CMAKE_BINARY_DIR}/fuzz/files_fuzz)

add_custom_command(
  OUTPUT ${fuzz_binary}
  COMMAND ${DATACARD_CLANGXX} -std=c++20 -g -O1 -ffp-contract=off -fno-fast-math
          -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -pthread
          -I${CMAKE_SOURCE_DIR} ${fuzz_sources} -o ${fuzz_binary}
  DEPENDS ${fuzz_sources} ${fuzz_headers}
  COMMENT "Building the fuzz target files_fuzz with clang++"
  COMMAND_EXPAND_LISTS VERBATIM)
add_custom_target(files_fuzz ALL DEPENDS ${fuzz_binary})

add_test(NAME files_fuzz_short
         COMMAND ${CMAKE_COMMAND} -DFUZZER=${fuzz_binary} -DWORK=${CMAKE_BINARY_DIR}/fuzz
                 -DRUNS=20000 -P ${CMAKE_CURRENT_LIST_DIR}/fuzz.cmake)
set_tests_properties(files_fuzz_short PROPERTIES LABELS fuzz TIMEOUT 900)
