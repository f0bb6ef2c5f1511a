# Device operations against the simulated unit over a pseudo-terminal.
add_executable(bench_operations ${CMAKE_CURRENT_LIST_DIR}/bench_operations.cpp)
target_link_libraries(bench_operations PRIVATE vortan2link vortan2sim)
target_include_directories(bench_operations PRIVATE ${PROJECT_SOURCE_DIR}/tests)
