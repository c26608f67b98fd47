# The engine, effects and content code: no editor and no host glue. The plug-in compiles these
# sources into its own shared code; tests and benchmarks link them as the library wexla_engine.
file(GLOB WEXLA_ENGINE_SOURCES CONFIGURE_DEPENDS
    "${CMAKE_CURRENT_SOURCE_DIR}/engine/*.cpp"
    "${CMAKE_CURRENT_SOURCE_DIR}/content/*.cpp"
    "${CMAKE_CURRENT_SOURCE_DIR}/effects/*.cpp")
list(SORT WEXLA_ENGINE_SOURCES)
