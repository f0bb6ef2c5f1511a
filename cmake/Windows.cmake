# The Windows edition (cross-built by scripts/windows.sh): a windowed program with its icon and
# version information, the modules named as the program loads them (vortan2charts.dll).
enable_language(RC)
configure_file(${PROJECT_SOURCE_DIR}/dist/vortan2.rc.in ${CMAKE_BINARY_DIR}/generated/vortan2.rc
               @ONLY)
target_sources(vortan2 PRIVATE ${CMAKE_BINARY_DIR}/generated/vortan2.rc)
set_target_properties(vortan2 PROPERTIES WIN32_EXECUTABLE ON)
set_target_properties(vortan2charts vortan2print PROPERTIES PREFIX "")
