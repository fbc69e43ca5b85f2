# Native build: unit tests of the portable code.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB UNIT_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(unit_tests ${UNIT_TEST_SOURCES})
target_link_libraries(unit_tests PRIVATE lumaplay_core GTest::gtest_main)
gtest_discover_tests(unit_tests)
add_test(NAME Layers.IncludesLookOnlyDown COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/check-layers.sh)
