// The command line's rules: how a unit's work ends and its exit code, and when a repeated run
// takes the next unit, tick by tick.
#include "cli/CliRules.h"
#include "link/Tick.h"

#include <QtTest>

#include <set>

using namespace vortan;
using Action = UnitWatch::Action;

Q_DECLARE_METATYPE(vortan::UnitEnd)
Q_DECLARE_METATYPE(vortan::CliResult)

namespace {
UnitEnd ended(std::optional<Message> message, std::optional<Message> box = std::nullopt,
              bool noConnection = false) {
    UnitEnd e;
    e.message = message;
    e.box = box;
    e.noConnection = noConnection;
    return e;
}
UnitEnd comparison(int differences) {
    UnitEnd e;
    e.compared = true;
    e.differences = differences;
    return e;
}

} // namespace

class tst_CliRules : public QObject {
    Q_OBJECT
private slots:
    void unitResult_data() {
        QTest::addColumn<UnitEnd>("end");
        QTest::addColumn<CliResult>("result");
        QTest::addColumn<int>("code");
        QTest::newRow("verify ok") << ended(Message::VerifyOk) << CliResult::Ok << 0;
        QTest::newRow("verify error")
            << ended(Message::VerifyFailed) << CliResult::VerifyFailed << 1;
        QTest::newRow("program error, unit answering")
            << ended(Message::ProgramFailed) << CliResult::OperationFailed << 6;
        QTest::newRow("read error, unit answering")
            << ended(Message::ReadFailed) << CliResult::OperationFailed << 6;
        QTest::newRow("program error, no connection")
            << ended(Message::ProgramFailed, std::nullopt, true) << CliResult::NoConnection << 3;
        QTest::newRow("verify error, no connection")
            << ended(Message::VerifyFailed, std::nullopt, true) << CliResult::NoConnection << 3;
        QTest::newRow("incompatible unit")
            << ended(std::nullopt, Message::IncompatibleUnit) << CliResult::Refused << 4;
        QTest::newRow("unsupported motorbike type")
            << ended(std::nullopt, Message::UnsupportedBike) << CliResult::Refused << 4;
        QTest::newRow("a box outweighs the silence")
            << ended(std::nullopt, Message::IncompatibleUnit, true) << CliResult::Refused << 4;
        QTest::newRow("comparison, no differences") << comparison(0) << CliResult::Ok << 0;
        QTest::newRow("comparison, differences") << comparison(3) << CliResult::VerifyFailed << 1;
        QTest::newRow("nothing came, silent")
            << ended(std::nullopt, std::nullopt, true) << CliResult::NoConnection << 3;
    }
    void unitResult() {
        QFETCH(UnitEnd, end);
        QFETCH(CliResult, result);
        QFETCH(int, code);
        QCOMPARE(vortan::unitResult(end), result);
        QCOMPARE(exitCode(result), code);
    }

    // Every result has a code of its own; only Ok is 0.
    void exitCodesDistinct() {
        std::set<int> codes;
        for (CliResult r : {CliResult::Ok, CliResult::VerifyFailed, CliResult::BadCommandLine,
                            CliResult::NoConnection, CliResult::Refused, CliResult::BadFile,
                            CliResult::OperationFailed, CliResult::Interrupted}) {
            QVERIFY(codes.insert(exitCode(r)).second);
            QCOMPARE(exitCode(r) == 0, r == CliResult::Ok);
        }
    }

    void watch_data() {
        QTest::addColumn<QString>("facts");
        QTest::addColumn<QString>("actions");
        // A tick's facts: P a monitor packet came, Q one came while work runs, W work runs,
        // F another valid frame came, S the link has been silent kSilentTicks, . none of these.
        // Actions: s Start, d Done, g Gone, n NoUnit, . None.
        QTest::newRow("a unit answers at once") << "PWWW.P..SP"
                                                << "s...d...gs";
        QTest::newRow("the next unit after the silence") << "PW.SPW."
                                                         << "s.dgs.d";
        QTest::newRow("a packet while working changes nothing") << "PWQWQ."
                                                                << "s....d";
        QTest::newRow("no unplug: the same unit is not taken again") << "PW.PPPP"
                                                                     << "s.d....";
        QTest::newRow("silent at first, then a unit") << ".SSP"
                                                      << ".nns";
        QTest::newRow("a unit lost while working ends its work first") << "PWSS.P"
                                                                       << "s.dgns";
        // Frames that are no monitor packets (F) keep the link from falling silent.
        QTest::newRow("frames but no monitor packet")
            << QString(kSilentTicks + 1, 'F') << QString(kSilentTicks - 1, '.') + "nn";
        QTest::newRow("the waiting starts again after an unplug")
            << "PW.S" + QString(kSilentTicks, 'F') + "P"
            << "s.dg" + QString(kSilentTicks - 1, '.') + "ns";
    }
    void watch() {
        QFETCH(QString, facts);
        QFETCH(QString, actions);
        const QString kActions = ".sdgn";
        UnitWatch w;
        int silence = 0;
        for (int i = 0; i < facts.size(); ++i) {
            const QChar f = facts[i];
            if (f == 'P' || f == 'Q' || f == 'F')
                silence = 1;
            else if (f == 'S')
                silence = kSilentTicks;
            else if (silence < kSilentTicks)
                silence = std::min(silence + 1, kSilentTicks - 1);
            const Action a = w.tick(f == 'P' || f == 'Q', silence, f == 'W' || f == 'Q');
            QVERIFY2(kActions[static_cast<int>(a)] == actions[i],
                     qPrintable(QString("tick %1: %2").arg(i).arg(kActions[static_cast<int>(a)])));
        }
    }
};

QTEST_GUILESS_MAIN(tst_CliRules)
#include "tst_clirules.moc"
