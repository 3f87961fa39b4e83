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

# A program of the suite, from its folder's CMakeLists: its engineering
# `<name>_engine` (plain C++ without Qt: links ENGINE_LIBS and shellcore), its
# windows `<name>` (links the engine, WINDOWS_LIBS and shellui), the tests of
# each (`<name>_engine_tests`, `<name>_window_tests`) and, where the folder has
# bench/<name>_bench.cpp, the benchmark `<name>_bench`. Both libraries give the
# program's folder as their include folder.
#   suite_program(NAME pillamor
#     ENGINE pipe.h pipe.cpp          ENGINE_TESTS tests/pipe_test.cpp
#     WINDOWS windows.h windows.cpp   WINDOW_TESTS tests/windows_test.cpp)
function(suite_program)
  cmake_parse_arguments(P "" "NAME"
    "ENGINE;ENGINE_LIBS;ENGINE_TESTS;WINDOWS;WINDOWS_LIBS;WINDOW_TESTS" ${ARGN})
  add_library(${P_NAME}_engine STATIC ${P_ENGINE})
  target_include_directories(${P_NAME}_engine PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${P_NAME}_engine PUBLIC ${P_ENGINE_LIBS} shellcore)
  suite_warnings(${P_NAME}_engine)
  if(P_ENGINE_TESTS)
    suite_test(NAME ${P_NAME}_engine_tests SOURCES ${P_ENGINE_TESTS} LIBS ${P_NAME}_engine)
  endif()

  add_library(${P_NAME} STATIC ${P_WINDOWS})
  target_include_directories(${P_NAME} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${P_NAME} PUBLIC ${P_NAME}_engine ${P_WINDOWS_LIBS} shellui)
  suite_warnings(${P_NAME})
  if(P_WINDOW_TESTS)
    suite_test(NAME ${P_NAME}_window_tests SOURCES ${P_WINDOW_TESTS} LIBS ${P_NAME})
  endif()

  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/bench/${P_NAME}_bench.cpp)
    suite_bench(NAME ${P_NAME}_bench SOURCES bench/${P_NAME}_bench.cpp LIBS ${P_NAME})
  endif()
endfunction()

# A program's executable: main.cpp starts the application and shows Form1.
function(suite_app name lib)
  add_executable(${name} main.cpp)
  suite_warnings(${name})
  target_link_libraries(${name} PRIVATE ${lib})
  install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()
