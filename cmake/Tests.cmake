find_package(GTest REQUIRED)
include(GoogleTest)

# Shared helpers: allocation counting and small fixtures.
file(GLOB WEXLA_TEST_SUPPORT CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/tests/support/*.cpp")

# Engine, effects and content, tested alone.
file(GLOB WEXLA_ENGINE_TESTS CONFIGURE_DEPENDS
    "${CMAKE_CURRENT_SOURCE_DIR}/tests/engine/*.cpp"
    "${CMAKE_CURRENT_SOURCE_DIR}/tests/content/*.cpp"
    "${CMAKE_CURRENT_SOURCE_DIR}/tests/effects/*.cpp")
if(WEXLA_ENGINE_TESTS)
    add_executable(wexla_engine_tests ${WEXLA_ENGINE_TESTS} ${WEXLA_TEST_SUPPORT})
    target_include_directories(wexla_engine_tests PRIVATE "${CMAKE_CURRENT_SOURCE_DIR}/tests")
    target_link_libraries(wexla_engine_tests PRIVATE wexla_engine GTest::gtest GTest::gmock GTest::gtest_main)
    target_compile_definitions(wexla_engine_tests PRIVATE WEXLA_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}")
    gtest_discover_tests(wexla_engine_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS engine)
endif()

# The processor and the editor, linked exactly as they ship in the plug-in.
file(GLOB WEXLA_PLUGIN_TESTS CONFIGURE_DEPENDS
    "${CMAKE_CURRENT_SOURCE_DIR}/tests/plugin/*.cpp"
    "${CMAKE_CURRENT_SOURCE_DIR}/tests/editor/*.cpp")
if(WEXLA_PLUGIN_TESTS)
    add_executable(wexla_plugin_tests ${WEXLA_PLUGIN_TESTS} ${WEXLA_TEST_SUPPORT})
    target_include_directories(wexla_plugin_tests PRIVATE "${CMAKE_CURRENT_SOURCE_DIR}/tests")
    target_link_libraries(wexla_plugin_tests PRIVATE WexlaPluginCode GTest::gtest GTest::gmock GTest::gtest_main)
    target_compile_definitions(wexla_plugin_tests PRIVATE WEXLA_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}")
    gtest_discover_tests(wexla_plugin_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS plugin)
endif()
