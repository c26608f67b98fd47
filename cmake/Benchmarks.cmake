# Benchmarks are built with the tests and run on demand: build/benchmarks/BM_<what>.
find_package(benchmark REQUIRED)
file(GLOB WEXLA_BENCHMARKS CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/benchmarks/BM_*.cpp")
foreach(source IN LISTS WEXLA_BENCHMARKS)
    get_filename_component(name "${source}" NAME_WE)
    add_executable(${name} "${source}")
    target_link_libraries(${name} PRIVATE wexla_engine benchmark::benchmark benchmark::benchmark_main)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/benchmarks")
endforeach()

# zita-convolver, the peer the room stage is measured against, linked into that benchmark only.
if(TARGET BM_RoomStage)
    find_package(Threads REQUIRED)
    find_path(ZITA_CONVOLVER_INCLUDE_DIR zita-convolver.h REQUIRED)
    find_library(ZITA_CONVOLVER_LIBRARY zita-convolver REQUIRED)
    target_include_directories(BM_RoomStage PRIVATE "${ZITA_CONVOLVER_INCLUDE_DIR}")
    target_link_libraries(BM_RoomStage PRIVATE "${ZITA_CONVOLVER_LIBRARY}" Threads::Threads)
endif()
