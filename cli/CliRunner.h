#pragma once
// Works a unit, or in a repeated run one unit after another on the same port, without a
// window: reads the parameter file, runs the operation on each unit that answers, prints the
// operation's messages and one summary line per unit, and ends with the run's exit code.
// Messages go to `progress` (the error stream), results to `out` (the output stream).

#include "cli/CliRules.h"
#include "cli/UnitDriver.h"
#include "settings/CommandLine.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

namespace vortan {

struct CliOptions {
    CliOperation operation = CliOperation::None;
    QString file;
    bool repeat = false;
    bool anyway = false; // values outside their ranges programmed all the same
    int language = English;
    bool extMonitor = false; // the EXT_MON a read writes into its file
    QString device;          // named in the waiting lines
};

class CliRunner : public QObject, public UnitListener {
    Q_OBJECT
public:
    using Output = std::function<void(const QString& line)>;
    // `session` stays the caller's and outlives the runner.
    CliRunner(Session& session, CliOptions options, Output out, Output progress);
    ~CliRunner() override;

    // Reads the file to program, verify or compare with, then ticks every 55 ms; a file that
    // cannot be used ends the run at once.
    void start();
    // Ctrl+C: a repeated run waiting for a unit ends with 0, work on a unit is interrupted.
    void interrupt();

signals:
    void finished(int exitCode);

private:
    void tick();
    bool working() const;
    void beginUnit();
    void advanceSteps();
    void endUnit();
    void finish(CliResult result);
    bool loadFile();
    bool saveFile();
    void printDifferences();
    QString summary(const QString& result) const;
    QString text(Message m) const;

    // UnitListener
    void message(Message m) override;
    void messageBox(Message m) override;
    void identified() override;
    void compared() override;
    void packet() override { packet_ = true; }

    CliOptions options_;
    Output out_;
    Output progress_;
    Session& session_; // its files; its operations only through the driver
    std::unique_ptr<UnitDriver> driver_;
    QTimer timer_;
    UnitWatch watch_;
    DeviceImage fileSet_;
    std::deque<UnitDriver::Step> steps_;
    UnitEnd end_;
    std::optional<QString> identification_;
    bool packet_ = false;
    bool stopped_ = false;
    int units_ = 0;
};

} // namespace vortan
