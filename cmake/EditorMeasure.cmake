# wexla_editor_measure: how long opening the window takes and how much CPU an open, idle window
# uses. Run on demand, never in ctest; the second half needs a display, e.g.
#   xvfb-run -a build/tools/wexla_editor_measure
add_executable(wexla_editor_measure "${CMAKE_CURRENT_LIST_DIR}/../tests/editor-measure/EditorMeasure.cpp")
target_link_libraries(wexla_editor_measure PRIVATE WexlaPluginCode)
set_target_properties(wexla_editor_measure PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tools")
find_package(X11 REQUIRED)
target_link_libraries(wexla_editor_measure PRIVATE X11::X11)
