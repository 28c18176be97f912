# The libFuzzer targets in fuzz/ replay their seed corpora as ordinary tests. They need clang with
# libFuzzer and the sanitizers, while the project itself may be built with gcc, so fuzz/ is
# configured as a project of its own with clang++ into <build>/fuzz and built with everything
# else. A build made with -DORIMAKI_FUZZ=ON (clang throughout) replays its own targets instead.
# Without clang or libFuzzer the tests are not registered; nothing fails.

# Does this clang++ compile and link a fuzz target with the sanitizers the targets use?
function(orimaki_fuzz_probe clangxx out)
  if(ORIMAKI_FUZZ_PROBED STREQUAL "${clangxx}")
    set(${out} ON PARENT_SCOPE)
    return()
  endif()
  set(dir "${CMAKE_BINARY_DIR}/CMakeFiles/fuzz-probe")
  file(WRITE "${dir}/probe.cpp"
       "#include <cstddef>\n#include <cstdint>\n"
       "extern \"C\" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }\n")
  execute_process(COMMAND "${clangxx}" -fsanitize=fuzzer,address,undefined "${dir}/probe.cpp"
                          -o "${dir}/probe"
                  RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
  if(rc EQUAL 0)
    # Only a success is remembered: libFuzzer installed later is found at the next configure.
    set(ORIMAKI_FUZZ_PROBED "${clangxx}" CACHE INTERNAL "clang++ that builds libFuzzer targets")
    set(${out} ON PARENT_SCOPE)
  else()
    set(${out} OFF PARENT_SCOPE)
  endif()
endfunction()

if(NOT ORIMAKI_FUZZ_REPLAY)
  return()
endif()

if(ORIMAKI_FUZZ)
  set(_rtfreader $<TARGET_FILE:fuzz_rtfreader>)
  set(_rtftohtml $<TARGET_FILE:fuzz_rtftohtml>)
else()
  find_program(ORIMAKI_FUZZ_CXX NAMES clang++ clang++-16 clang++-15 clang++-14
               DOC "clang++ that builds the libFuzzer targets for the replay tests")
  set(_works OFF)
  if(ORIMAKI_FUZZ_CXX)
    orimaki_fuzz_probe("${ORIMAKI_FUZZ_CXX}" _works)
  endif()
  if(NOT _works)
    message(STATUS "Fuzz replay tests not registered: no clang++ with libFuzzer and the sanitizers")
    return()
  endif()
  message(STATUS "Fuzz replay tests: fuzz targets built with ${ORIMAKI_FUZZ_CXX} in fuzz/")

  include(ExternalProject)
  set(_fuzz_bin "${CMAKE_BINARY_DIR}/fuzz")
  ExternalProject_Add(orimaki_fuzz
    SOURCE_DIR "${CMAKE_SOURCE_DIR}/fuzz"
    BINARY_DIR "${_fuzz_bin}"
    PREFIX "${_fuzz_bin}/project"
    CMAKE_CACHE_ARGS
      "-DCMAKE_CXX_COMPILER:FILEPATH=${ORIMAKI_FUZZ_CXX}"
      "-DCMAKE_CXX_COMPILER_LAUNCHER:STRING=${CMAKE_CXX_COMPILER_LAUNCHER}"
      "-DCMAKE_PREFIX_PATH:STRING=${CMAKE_PREFIX_PATH}"
      "-DQt6_DIR:PATH=${Qt6_DIR}"
    INSTALL_COMMAND ""
    # The fuzz build's own Ninja decides what is out of date; it costs a moment when nothing is.
    BUILD_ALWAYS ON)
  set(_rtfreader "${_fuzz_bin}/bin/fuzz_rtfreader")
  set(_rtftohtml "${_fuzz_bin}/bin/fuzz_rtftohtml")
endif()

# Every input of the committed corpora, the RTF test files (earlier crash inputs among them) and
# the shared sample documents runs once, whole (-max_len above the largest sample); a crash,
# a leak, undefined behaviour or an input that takes too long fails the test. What made it fail
# is kept in <build>/fuzz-artifacts.
set(_corpora "${CMAKE_SOURCE_DIR}/fuzz/corpus/rtfreader" "${CMAKE_SOURCE_DIR}/fuzz/corpus/rtftohtml"
             "${CMAKE_SOURCE_DIR}/tests/rtf/data")
if(IS_DIRECTORY "${ORIMAKI_TESTDATA}/rtf")
  list(APPEND _corpora "${ORIMAKI_TESTDATA}/rtf")
endif()
set(_artifacts "${CMAKE_BINARY_DIR}/fuzz-artifacts")
file(MAKE_DIRECTORY "${_artifacts}")
foreach(_target rtfreader rtftohtml)
  add_test(NAME fuzz_replay_${_target}
           COMMAND ${_${_target}} -runs=0 -max_len=16777216 -timeout=60 -rss_limit_mb=4096
                   -artifact_prefix=${_artifacts}/${_target}- ${_corpora}
           WORKING_DIRECTORY "${_artifacts}")
  set_tests_properties(fuzz_replay_${_target} PROPERTIES
    TIMEOUT 600
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;UBSAN_OPTIONS=print_stacktrace=1"
    FAIL_REGULAR_EXPRESSION "ERROR: [A-Za-z]*Sanitizer|runtime error:|ERROR: libFuzzer")
endforeach()
