# AddTestProgram(name SOURCES ... LIBS ...): one test executable, one ctest entry (under Wine when cross
# building: starting Wine once per test case would cost far more than the tests).
function(AddTestProgram name)
  cmake_parse_arguments(arg "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} gtest gtest_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
endfunction()
