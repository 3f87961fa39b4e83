# Helpers shared by every program of the suite.

# Warnings for the project's own code.
function(suite_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()

# A GoogleTest binary. Each test runs in a process of its own with Qt's
# offscreen platform, so window tests need no display.
#   suite_test(NAME name SOURCES a.cpp b.cpp LIBS lib1 lib2)
function(suite_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  if(NOT SUITE_TESTS)
    return()
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  suite_warnings(${T_NAME})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} shell_testsupport GTest::gtest)
  gtest_discover_tests(${T_NAME}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "SUITE_PNG_DIR=${CMAKE_BINARY_DIR}/windows")
endfunction()

# A Google Benchmark binary, where benchmarks are built and the library is
# there. It links shell_benchsupport, which gives it its main() (the windows
# on the offscreen platform) and benchsupport::TimeComputeClick.
#   suite_bench(NAME name SOURCES bench/name_bench.cpp LIBS lib)
function(suite_bench)
  cmake_parse_arguments(B "" "NAME" "SOURCES;LIBS" ${ARGN})
  if(NOT SUITE_BENCH OR NOT TARGET shell_benchsupport)
    return()
  endif()
  find_package(benchmark QUIET)
  add_executable(${B_NAME} ${B_SOURCES})
  suite_warnings(${B_NAME})
  target_link_libraries(${B_NAME} PRIVATE ${B_LIBS} shell_benchsupport benchmark::benchmark)
endfunction()

# A program's executable: main.cpp starts the application and shows Form1.
function(suite_app name lib)
  add_executable(${name} main.cpp)
  suite_warnings(${name})
  target_link_libraries(${name} PRIVATE ${lib})
  install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()
