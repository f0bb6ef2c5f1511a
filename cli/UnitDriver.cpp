#include "cli/UnitDriver.h"

namespace vortan {

SessionDriver::SessionDriver(Session& session, UnitListener& listener) : session_(session) {
    QObject::connect(&session, &Session::messageShown, &session,
                     [&listener](Message m) { listener.message(m); });
    QObject::connect(&session, &Session::messageBoxShown, &session,
                     [&listener](Message m) { listener.messageBox(m); });
    QObject::connect(&session, &Session::identificationChanged, &session,
                     [&listener] { listener.identified(); });
    QObject::connect(&session, &Session::comparisonReady, &session,
                     [&listener] { listener.compared(); });
    QObject::connect(&session, &Session::packetArrived, &session,
                     [&listener](const MonitorPacket&) { listener.packet(); });
}

void SessionDriver::start(Step step) {
    switch (step) {
    case Step::Identify:
        session_.operations().startIdentify();
        return;
    case Step::Read:
        session_.startRead();
        return;
    case Step::Verify:
        session_.startVerify();
        return;
    case Step::Program:
        session_.startProgram();
        return;
    case Step::Compare:
        session_.startCompare();
        return;
    }
}

} // namespace vortan
