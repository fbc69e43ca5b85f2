# Native build: unit tests of the portable code.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB UNIT_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(unit_tests ${UNIT_TEST_SOURCES})
target_link_libraries(unit_tests PRIVATE lumaplay_core GTest::gtest_main)
gtest_discover_tests(unit_tests)
add_test(NAME Layers.IncludesLookOnlyDown COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/check-layers.sh)
# Every planted fault still plants: a change that moved or rewrote its lines says so here.
add_test(NAME Faults.EveryOnePlants
         COMMAND bash -c "python3 scripts/fault.py check faults/*.fault"
         WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})
