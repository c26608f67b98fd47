# One static library with the JUCE modules that the tools, tests and benchmarks use, compiled once.
# It includes plug-in hosting (VST3 and LV2) for the host tool.
add_library(wexla_juce STATIC)
target_link_libraries(wexla_juce
    PRIVATE
        juce::juce_audio_utils
        juce::juce_dsp
    PUBLIC
        juce::juce_recommended_config_flags)
target_compile_definitions(wexla_juce
    PUBLIC
        ${WEXLA_JUCE_DEFINITIONS}
        JUCE_PLUGINHOST_VST3=1
        JUCE_PLUGINHOST_LV2=1
        JUCE_STANDALONE_APPLICATION=1
    INTERFACE
        $<TARGET_PROPERTY:wexla_juce,COMPILE_DEFINITIONS>)
target_include_directories(wexla_juce INTERFACE $<TARGET_PROPERTY:wexla_juce,INCLUDE_DIRECTORIES>)
# The image code uses the system's PNG and JPEG libraries; a static library does not pass them on.
if(TARGET juce::pkgconfig_JUCE_IMG_LINUX_DEPS)
    target_link_libraries(wexla_juce PUBLIC juce::pkgconfig_JUCE_IMG_LINUX_DEPS)
endif()
set_target_properties(wexla_juce PROPERTIES
    POSITION_INDEPENDENT_CODE TRUE
    VISIBILITY_INLINES_HIDDEN TRUE
    C_VISIBILITY_PRESET hidden
    CXX_VISIBILITY_PRESET hidden)

# The engine, effects and content code as a library of its own, for unit tests and benchmarks.
add_library(wexla_engine STATIC ${WEXLA_ENGINE_SOURCES} "${CMAKE_CURRENT_SOURCE_DIR}/engine/LinearRamp.h")
target_include_directories(wexla_engine PUBLIC "${CMAKE_CURRENT_SOURCE_DIR}")
target_link_libraries(wexla_engine PUBLIC wexla_juce WexlaResources)
target_compile_definitions(wexla_engine PUBLIC WEXLA_VERSION="${WEXLA_VERSION_STRING}")
