# Each layer is one library made of every .cpp in its folder, so adding a file needs no edit here.
function(orimaki_sources out dir)
  file(GLOB_RECURSE _src CONFIGURE_DEPENDS "${dir}/*.cpp" "${dir}/*.h")
  set(${out} ${_src} PARENT_SCOPE)
endfunction()

# One GoogleTest executable per test folder; every .cpp in it is a test source.
function(orimaki_test_folder name dir)
  file(GLOB _src CONFIGURE_DEPENDS "${dir}/*.cpp" "${dir}/*.h")
  if(NOT _src)
    return()
  endif()
  add_executable(${name} ${_src})
  target_link_libraries(${name} PRIVATE ${ARGN} orimaki_test_support GTest::gtest GTest::gmock)
  if(NOT _src MATCHES "main\\.cpp")
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_compile_definitions(${name} PRIVATE ORIMAKI_TESTDATA="${ORIMAKI_TESTDATA}"
                                             ORIMAKI_BIN="${ORIMAKI_OUT}"
                                             ORIMAKI_SOURCE="${CMAKE_SOURCE_DIR}")
  # The test code itself is built without optimisation: it runs for moments, while the optimiser
  # doubles the time spent compiling its many assertions. The code under test keeps its flags.
  target_compile_options(${name} PRIVATE -O0)
  include(GoogleTest)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 120 NO_PRETTY_VALUES
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8" TIMEOUT 600)
endfunction()
