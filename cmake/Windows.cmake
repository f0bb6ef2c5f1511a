# The Windows edition (cross-built by scripts/windows.sh): a windowed program with its icon and
# version information, the modules named as the program loads them (vortan2charts.dll).
enable_language(RC)
configure_file(${PROJECT_SOURCE_DIR}/dist/vortan2.rc.in ${CMAKE_BINARY_DIR}/generated/vortan2.rc
               @ONLY)
target_sources(vortan2 PRIVATE ${CMAKE_BINARY_DIR}/generated/vortan2.rc)
set_target_properties(vortan2 PROPERTIES WIN32_EXECUTABLE ON)
set_target_properties(vortan2charts vortan2print PROPERTIES PREFIX "")

# Installation: the program, its modules, what they import, the Qt plugins and translations it
# loads and the manuals, all in one folder (Program Files\Vortan2):
#   vortan2.exe, vortan2charts.dll, vortan2print.dll, Qt6*.dll and the MinGW runtime
#   platforms\qwindows.dll, styles\qwindowsvistastyle.dll
#   translations\qtbase_cs.qm, qtbase_de.qm   Qt's own dialog texts (Debian's qt6-translations-l10n)
#   doc\                                       the manuals
get_filename_component(qt_win_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
install(TARGETS vortan2 RUNTIME DESTINATION .)
install(TARGETS vortan2charts vortan2print LIBRARY DESTINATION .)
install(FILES ${qt_win_prefix}/plugins/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${qt_win_prefix}/plugins/styles/qwindowsvistastyle.dll DESTINATION styles)
install(FILES /usr/share/qt6/translations/qtbase_cs.qm /usr/share/qt6/translations/qtbase_de.qm
        DESTINATION translations)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/doc/ DESTINATION doc)
file(GLOB mingw_runtime_dir LIST_DIRECTORIES true /usr/lib/gcc/x86_64-w64-mingw32/*-posix)
find_program(VORTAN2_OBJDUMP x86_64-w64-mingw32-objdump REQUIRED)
install(CODE "
    set(VORTAN2_DEST \"\${CMAKE_INSTALL_PREFIX}\")
    set(VORTAN2_SEARCH \"${qt_win_prefix}/bin;${mingw_runtime_dir};/usr/x86_64-w64-mingw32/lib\")
    set(VORTAN2_OBJDUMP \"${VORTAN2_OBJDUMP}\")
    include(\"${PROJECT_SOURCE_DIR}/cmake/WindowsDeploy.cmake\")
")

# The installer (NSIS: vortan2-<version>-win64-setup.exe, from cmake/NSIS.template.in: both
# install modes, pages in Czech, English and German, the .ign association) and the portable zip.
set(CPACK_PACKAGE_NAME vortan2)
set(CPACK_PACKAGE_VENDOR "vortan2 developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "set up the Vortan 2 motorcycle ignition unit")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Vortan2)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Vortan2)
set(CPACK_PACKAGE_FILE_NAME vortan2-${PROJECT_VERSION}-win64)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake)
set(CPACK_VORTAN2_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_NSIS_PACKAGE_NAME Vortan2)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/dist/vortan2.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/dist/vortan2.ico)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/WindowsPackageNames.cmake)
include(CPack)
