# Windows build: Lumaplay.exe and the test programs that run under Wine.
enable_language(RC)

# Nothing may escape a window procedure or COM callback: the program throws nothing
# and is built without exceptions; it is built small and with a static runtime.
set(PRODUCT_FLAGS -fno-exceptions -fno-rtti -fno-threadsafe-statics -Os -ffunction-sections
    -fdata-sections)
set(PRODUCT_LINK -static -mwindows -Wl,--gc-sections -s)
target_compile_options(lumaplay_core PRIVATE ${PRODUCT_FLAGS})
target_compile_definitions(lumaplay_core PUBLIC WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600)

add_library(lumaplay_win STATIC
    framework/app.cpp
    framework/wnd.cpp
    framework/dialog.cpp
    framework/common_controls.cpp
    framework/text.cpp
    framework/files.cpp
    framework/system_dlls.cpp
    app/instance.cpp
    app/player_app.cpp
    playback/web_browser.cpp
    playback/work_files.cpp
    settings/settings_store.cpp
    settings/canvas_size_dlg.cpp
    settings/registry_win.cpp
    settings/settings_dlg.cpp
    ui/player_dlg.cpp
    ui/player_play.cpp
    ui/player_steps.cpp
    controls/offscreen_dc.cpp
    controls/flat_icon_button.cpp
)
target_compile_options(lumaplay_win PRIVATE ${PRODUCT_FLAGS})
target_link_libraries(lumaplay_win PUBLIC lumaplay_core)

# The manifest names the processor of the build, for itself and for the common
# controls it asks for: the system loads that processor's controls.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(LUMAPLAY_MANIFEST_ARCH amd64)
else()
    set(LUMAPLAY_MANIFEST_ARCH x86)
endif()
configure_file(res/lumaplay.manifest.in ${CMAKE_BINARY_DIR}/generated/lumaplay.manifest @ONLY)
include_directories(${CMAKE_BINARY_DIR}/generated)

add_executable(Lumaplay WIN32 app/main.cpp res/lumaplay.rc framework/no_exceptions.cpp)
target_compile_options(Lumaplay PRIVATE ${PRODUCT_FLAGS})
set_target_properties(Lumaplay PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
target_link_libraries(Lumaplay PRIVATE lumaplay_win lumaplay_core advapi32 uuid)
# The entry point is wWinMain.
target_link_options(Lumaplay PRIVATE ${PRODUCT_LINK} -municode)
target_include_directories(Lumaplay PRIVATE ${CMAKE_SOURCE_DIR}/res)

# Test programs that run under Wine: GoogleTest built from source with this toolchain.
if(BUILD_TESTING)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    # GoogleTest holds no Japanese text; its own headers' literals need UTF-8.
    target_compile_options(gtest PRIVATE -fexec-charset=UTF-8)
    target_compile_options(gtest_main PRIVATE -fexec-charset=UTF-8)
    include(GoogleTest)

    add_executable(e2e_tests tests/e2e/scenarios_e2e.cpp)
    set_target_properties(e2e_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR} CXX_STANDARD 20)
    # The rows are UTF-8 text throughout, as the harness hands it to the wide functions.
    target_compile_options(e2e_tests PRIVATE -fexec-charset=UTF-8)
    target_link_libraries(e2e_tests PRIVATE gtest_main)
    target_link_options(e2e_tests PRIVATE -static)
    add_dependencies(e2e_tests Lumaplay)
    # One CTest test per scenario row, listed when the tests run (under Wine, which the
    # build does not start). Each starts real processes; they share one display and
    # Wine server. A row that cannot run here says so and is counted as skipped.
    gtest_discover_tests(e2e_tests DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES DISCOVERY_TIMEOUT 60
        PROPERTIES TIMEOUT 150 RUN_SERIAL TRUE SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
endif()

# In-process tests: real classes of the program in windows of a test program.
if(BUILD_TESTING)
    file(GLOB WIN32_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
    add_executable(win32_tests ${WIN32_TEST_SOURCES} res/lumaplay.rc)
    set_target_properties(win32_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
    target_link_libraries(win32_tests PRIVATE lumaplay_win lumaplay_core gtest_main ntdll
        comctl32 comdlg32 shell32 advapi32 ole32 oleaut32 uuid)
    target_link_options(win32_tests PRIVATE -static)
    target_include_directories(win32_tests PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/res)
    gtest_add_tests(TARGET win32_tests SOURCES ${WIN32_TEST_SOURCES} TEST_LIST WIN32_TESTS)
    set_tests_properties(${WIN32_TESTS} PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE
        SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
endif()

# Benchmarks: the driver and the two baselines it measures Lumaplay against.
add_executable(baseline WIN32 bench/baseline.cpp bench/baseline.rc framework/no_exceptions.cpp)
target_compile_options(baseline PRIVATE ${PRODUCT_FLAGS})
target_link_libraries(baseline PRIVATE lumaplay_win lumaplay_core uuid)
target_link_options(baseline PRIVATE ${PRODUCT_LINK})
target_include_directories(baseline PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/res)
add_executable(trivial WIN32 bench/trivial.cpp)
target_link_options(trivial PRIVATE ${PRODUCT_LINK})
add_executable(bench bench/bench.cpp)
target_link_libraries(bench PRIVATE psapi)
target_link_options(bench PRIVATE -static)
set_target_properties(baseline trivial bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
