# The suites of the Windows build: every one that needs no pseudo-terminal, no POSIX call and
# no second user. The window suites with a unit use the simulated unit inside the program.
set(VORTAN2_WINDOWS_SUITES
    tst_deviceimage tst_paramtable tst_edits tst_imageeditor tst_paramdiff tst_colourscale
    tst_mapselection tst_mapoperations tst_mapclipboard
    tst_frame tst_deviceoperations tst_receivequeue tst_tick tst_windowsopenfailure
    tst_monitorpacket tst_mapcursor tst_logcsv tst_replayclock tst_dwellshares tst_plotdata
    tst_paramfile tst_restorepoints tst_tunesheet
    tst_texts
    tst_windowsize tst_systemplaces tst_commandline
    tst_cgauge tst_cspinbutton tst_toolicons
    tst_formhlav tst_paramediting tst_windowinput tst_diffreport tst_windowfit tst_mapediting
    tst_windowoperations tst_windowmonitor tst_windowediting tst_windowchanges tst_windowcompare
    tst_setlock tst_unitrecord tst_closedecision tst_ranges tst_replaytexts tst_curvecolours
    tst_pathlabel tst_growingtype tst_designcanvas tst_fittingscrollarea
    tst_windowranges tst_windowlabels tst_session
)
# Under Wine (in a prefix of the build's own, made by scripts/windows.sh) the suites find Qt's
# DLLs (and beside them its plugins) in the Qt for MinGW, and the MinGW runtime in the build
# folder; Wine's own messages stay out of the output.
get_filename_component(qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
file(GLOB mingw_runtime /usr/lib/gcc/x86_64-w64-mingw32/*-posix/libstdc++-6.dll
     /usr/lib/gcc/x86_64-w64-mingw32/*-posix/libgcc_s_seh-1.dll
     /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll)
file(COPY ${mingw_runtime} DESTINATION ${CMAKE_BINARY_DIR})
set(VORTAN2_TEST_ENVIRONMENT
    "WINEPATH=Z:${qt_prefix}/bin"
    "WINEDEBUG=-all"
    "WINEPREFIX=${CMAKE_BINARY_DIR}/wine"
)
# One Wine server for the whole run, with Wine's own background programs (services, explorer)
# started before the suites and stopped after them. Started by a suite, they would inherit its
# output and CTest would wait for them; two suites starting Wine at once can hang.
find_program(VORTAN2_WINESERVER NAMES wineserver wineserver64 PATHS /usr/lib/wine REQUIRED)
add_test(NAME wine_start COMMAND sh -c
    "${VORTAN2_WINESERVER} -p </dev/null >/dev/null 2>&1 && wine wineboot </dev/null >/dev/null 2>&1")
add_test(NAME wine_stop COMMAND ${VORTAN2_WINESERVER} -k)
set_tests_properties(wine_start wine_stop PROPERTIES
    ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wine;WINEDEBUG=-all")
set_tests_properties(wine_start PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(wine_stop PROPERTIES FIXTURES_CLEANUP wine)
set(VORTAN2_TEST_FIXTURE wine)
