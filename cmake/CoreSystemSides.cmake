# The core's pieces that differ between the systems: the Linux side and the Windows side of
# each, both in the tree; the one for the system built for is compiled.
target_sources(vortan2core PRIVATE
    files/WriteFailure.cpp
    files/RegularFileSteps.cpp
    monitor/LogRecorderSteps.cpp
    link/InProcessLine.cpp
    monitor/RecordingField.cpp
)
if(WIN32)
    target_sources(vortan2core PRIVATE
        files/RegularFileWin.cpp
        monitor/LogRecorderWin.cpp
        link/OpenFailureFactsWin.cpp
        link/PseudoTerminalsWin.cpp
        settings/SystemPlacesWin.cpp
    )
else()
    target_sources(vortan2core PRIVATE
        files/RegularFile.cpp
        monitor/LogRecorder.cpp
        link/OpenFailureFacts.cpp
        link/PseudoTerminals.cpp
        settings/SystemPlacesPosix.cpp
    )
endif()
