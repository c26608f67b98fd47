# Everything the plug-in uses at run time is compiled in: pictures, the font, the room response and
# the click archive. Each file becomes BinaryData::<name>_<ext>.
file(GLOB WEXLA_RESOURCE_FILES CONFIGURE_DEPENDS
    "${CMAKE_CURRENT_SOURCE_DIR}/resources/*.png"
    "${CMAKE_CURRENT_SOURCE_DIR}/resources/*.ttf"
    "${CMAKE_CURRENT_SOURCE_DIR}/resources/*.wav"
    "${CMAKE_CURRENT_SOURCE_DIR}/resources/*.zmub")
list(SORT WEXLA_RESOURCE_FILES)

juce_add_binary_data(WexlaResources
    HEADER_NAME BinaryData.h
    NAMESPACE BinaryData
    SOURCES ${WEXLA_RESOURCE_FILES})
set_target_properties(WexlaResources PROPERTIES POSITION_INDEPENDENT_CODE TRUE)
