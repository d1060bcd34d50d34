# The program's behaviour on the simulated desktop: unit tests and benchmarks.
find_package(GTest REQUIRED)
find_package(benchmark QUIET)

add_library(sorvane_sim STATIC src/platform/sim/SimDesktop.cpp)
target_link_libraries(sorvane_sim PUBLIC sorvane_core)

file(GLOB SORVANE_UNIT_TESTS CONFIGURE_DEPENDS tests/unit/*.cpp)
add_executable(unit_tests ${SORVANE_UNIT_TESTS})
target_link_libraries(unit_tests PRIVATE sorvane_sim GTest::gtest GTest::gtest_main)
target_compile_definitions(unit_tests PRIVATE SORVANE_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/unit/data")
include(GoogleTest)
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60)

# Measurements, not tests: built with the rest, run by hand (build/native/sorvane_bench).
if(benchmark_FOUND)
  add_executable(sorvane_bench tests/bench/Benchmarks.cpp)
  target_link_libraries(sorvane_bench PRIVATE sorvane_sim benchmark::benchmark)
endif()
