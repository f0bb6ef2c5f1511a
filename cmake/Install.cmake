# Installation in the usual Linux layout and a Debian package (cpack -G DEB).
#
#   bin/vortan2, bin/vortan2-sim
#   lib/vortan2/libvortan2charts.so   the charts (curves panel, plot of a run), loaded when first shown
#   lib/vortan2/libvortan2print.so    the printer and its dialog, loaded with the first print
#   share/applications/vortan2.desktop
#   share/icons/hicolor/scalable/apps/vortan2.svg
#   share/vortan2/doc/          the manuals: manual_en.html, manual_cs.html, manual_de.html, and
#                               any Manual_Vortan15_<lang>.doc put in doc/ (the help command
#                               looks for those here, beside bin/)
#
# Qt's own translations (qtbase_cs, qtbase_de) are not shipped: the program loads them from
# Qt's translations folder (QLibraryInfo), which Debian's qt6-translations-l10n fills.
include(GNUInstallDirs)

# Both programs link only static libraries of their own and system Qt: no run path needed.
set_target_properties(vortan2 vortan2-sim PROPERTIES INSTALL_RPATH "")
install(TARGETS vortan2 vortan2-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Found by the program as ../lib/vortan2 from its bin folder, whatever the libdir.
set_target_properties(vortan2charts vortan2print PROPERTIES INSTALL_RPATH "")
install(TARGETS vortan2charts vortan2print LIBRARY DESTINATION lib/vortan2)
install(FILES ${PROJECT_SOURCE_DIR}/dist/vortan2.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/dist/vortan2.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The whole manual folder is installed: the HTML manuals (doc/*.html), its README, and any
# Manual_Vortan15_*.doc a packager or user has put there.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/doc/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/vortan2/doc)

set(CPACK_PACKAGE_NAME vortan2)
set(CPACK_PACKAGE_VENDOR "vortan2 developers")
set(CPACK_PACKAGE_CONTACT "vortan2 developers <vortan2@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "set up the Vortan 2 motorcycle ignition unit")
set(CPACK_PACKAGE_DESCRIPTION "\
A desktop program with which a motorcycle tuner sets up the Vortan 2 programmable
ignition unit over a serial line: the ignition-advance map, limiters, nitrous
controller, exhaust servo and trigger pattern. It reads, verifies and programs the
unit, shows live engine values, and saves and prints parameter files, in Czech,
English and German. Includes vortan2-sim, a simulated unit on a pseudo-terminal.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY vortan2)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "vortan2 developers <vortan2@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/vortan2")
# Libraries come from dpkg-shlibdeps; the platform plugin (xcb, wayland) is loaded at run
# time, so shlibdeps cannot see it. Without the translations the program still runs, only
# Qt's own dialog buttons stay in English.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6charts6, libqt6printsupport6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
