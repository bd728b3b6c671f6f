# One static library per subsystem directory:
#   <dir>/include/<dir>/*.h   public headers
#   <dir>/src/*.cpp           the library
#   <dir>/tests/*_test.cpp    one GoogleTest program each, labelled <dir>
#   <dir>/tests/support/*.cpp shared test helpers of that directory
#   <dir>/bench/*_bench.cpp   Google Benchmark programs
#   <dir>/fuzz/*_fuzz.cpp     libFuzzer targets (ORVO_FUZZ builds only)
function(orvo_subsystem name)
  cmake_parse_arguments(SUB "" "" "DEPENDS;TEST_DEPENDS" ${ARGN})
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${dir}/src/*.cpp ${dir}/src/*.c)
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${dir}/include ${CMAKE_CURRENT_BINARY_DIR}/include)
  target_link_libraries(${name} PUBLIC ${SUB_DEPENDS})

  file(GLOB support CONFIGURE_DEPENDS ${dir}/tests/support/*.cpp)
  if(NOT GTest_FOUND)
    set(support)
  endif()
  if(support)
    add_library(${name}_testsupport STATIC ${support})
    target_include_directories(${name}_testsupport PUBLIC ${dir}/tests/support ${CMAKE_SOURCE_DIR}/testsupport)
    target_link_libraries(${name}_testsupport PUBLIC ${name} GTest::gtest ${SUB_TEST_DEPENDS})
    target_compile_definitions(${name}_testsupport PUBLIC
      ORVO_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
      ORVO_BINARY_DIR="${CMAKE_BINARY_DIR}"
      ORVO_SHARED_DIR="${CMAKE_SOURCE_DIR}/../shared")
  endif()

  file(GLOB tests CONFIGURE_DEPENDS ${dir}/tests/*_test.cpp)
  if(NOT GTest_FOUND)
    set(tests)
  endif()
  foreach(t ${tests})
    get_filename_component(tname ${t} NAME_WE)
    set(exe ${name}_${tname})
    add_executable(${exe} ${t})
    target_link_libraries(${exe} PRIVATE ${name} ${SUB_TEST_DEPENDS} GTest::gtest GTest::gtest_main Threads::Threads)
    target_include_directories(${exe} PRIVATE ${CMAKE_SOURCE_DIR}/testsupport)
    if(support)
      target_link_libraries(${exe} PRIVATE ${name}_testsupport)
    endif()
    if(NOT support)
      target_compile_definitions(${exe} PRIVATE
        ORVO_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
        ORVO_BINARY_DIR="${CMAKE_BINARY_DIR}"
        ORVO_SHARED_DIR="${CMAKE_SOURCE_DIR}/../shared")
    endif()
    # A test that GTEST_SKIPs (a missing tool) shows as skipped, not passed;
    # older CMake versions do not set this themselves.
    gtest_discover_tests(${exe} PROPERTIES LABELS ${name} SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]"
                         DISCOVERY_TIMEOUT 60)
  endforeach()

  if(ORVO_BENCHMARKS AND benchmark_FOUND)
    file(GLOB benches CONFIGURE_DEPENDS ${dir}/bench/*_bench.cpp)
    foreach(b ${benches})
      get_filename_component(bname ${b} NAME_WE)
      add_executable(${name}_${bname} ${b})
      target_link_libraries(${name}_${bname} PRIVATE ${name} ${SUB_TEST_DEPENDS} benchmark::benchmark benchmark::benchmark_main)
      target_compile_definitions(${name}_${bname} PRIVATE ORVO_SHARED_DIR="${CMAKE_SOURCE_DIR}/../shared")
    endforeach()
  endif()

  if(ORVO_FUZZ)
    file(GLOB fuzzers CONFIGURE_DEPENDS ${dir}/fuzz/*_fuzz.cpp)
    foreach(f ${fuzzers})
      get_filename_component(fname ${f} NAME_WE)
      add_executable(${name}_${fname} ${f})
      target_link_libraries(${name}_${fname} PRIVATE ${name} ${SUB_TEST_DEPENDS})
      target_link_options(${name}_${fname} PRIVATE -fsanitize=fuzzer)
      add_dependencies(fuzzers ${name}_${fname})
    endforeach()
  endif()
endfunction()
