# The plug-in: VST3 (the product), LV2 and Standalone, all from one shared-code target "Wexla".
set(WEXLA_LV2_URI "https://wexla.org/plugins/wexla")

juce_add_plugin(Wexla
    PRODUCT_NAME "Wexla"
    VERSION ${WEXLA_VERSION_STRING}
    COMPANY_NAME "Wexla"
    COMPANY_WEBSITE "https://wexla.org"
    COMPANY_EMAIL "team@wexla.org"
    BUNDLE_ID org.wexla.Wexla
    PLUGIN_MANUFACTURER_CODE Wxla
    PLUGIN_CODE Wxsc
    FORMATS VST3 LV2 Standalone
    IS_SYNTH TRUE
    NEEDS_MIDI_INPUT TRUE
    NEEDS_MIDI_OUTPUT FALSE
    IS_MIDI_EFFECT FALSE
    EDITOR_WANTS_KEYBOARD_FOCUS FALSE
    VST3_CATEGORIES Instrument Synth
    LV2URI "${WEXLA_LV2_URI}"
    COPY_PLUGIN_AFTER_BUILD FALSE)

file(GLOB WEXLA_PLUGIN_SOURCES CONFIGURE_DEPENDS
    "${CMAKE_CURRENT_SOURCE_DIR}/plugin/*.cpp"
    "${CMAKE_CURRENT_SOURCE_DIR}/editor/*.cpp")
list(SORT WEXLA_PLUGIN_SOURCES)

target_sources(Wexla PRIVATE ${WEXLA_PLUGIN_SOURCES} ${WEXLA_ENGINE_SOURCES})
target_include_directories(Wexla PUBLIC "${CMAKE_CURRENT_SOURCE_DIR}")

target_compile_definitions(Wexla PUBLIC
    ${WEXLA_JUCE_DEFINITIONS}
    # Debian's JUCE ignores LV2URI and would write the product name into the manifest.
    JucePlugin_LV2URI="${WEXLA_LV2_URI}"
    WEXLA_VERSION="${WEXLA_VERSION_STRING}")

target_link_libraries(Wexla
    PRIVATE
        WexlaResources
        juce::juce_audio_utils
        juce::juce_dsp
    PUBLIC
        juce::juce_recommended_config_flags
        juce::juce_recommended_warning_flags)

# Everything the plug-in's shared code needs to be linked into a test program as it ships.
add_library(WexlaPluginCode INTERFACE)
target_link_libraries(WexlaPluginCode INTERFACE Wexla WexlaResources)
target_include_directories(WexlaPluginCode INTERFACE
    $<TARGET_PROPERTY:Wexla,INCLUDE_DIRECTORIES>
    $<TARGET_PROPERTY:WexlaResources,INCLUDE_DIRECTORIES>)
target_compile_definitions(WexlaPluginCode INTERFACE $<TARGET_PROPERTY:Wexla,COMPILE_DEFINITIONS>)
