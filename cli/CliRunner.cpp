#include "cli/CliRunner.h"

#include "lang/CliTexts.h"
#include "lang/FileProblemTexts.h"
#include "params/Corrections.h"
#include "params/ParamDiff.h"
#include "params/RangeCheck.h"
#include "params/RangeTexts.h"

#include <algorithm>
#include <vector>

namespace vortan {

namespace {
QString q(const std::string& s) {
    return QString::fromStdString(s);
}
// Parameters named as the window's captions in `language`, without a window.
CaptionLookup captionsIn(int language) {
    return [language](const char* textId) { return tableCaption(textId, language); };
}
} // namespace

CliRunner::CliRunner(Session& session, CliOptions options, Output out, Output progress)
    : options_(std::move(options)), out_(std::move(out)), progress_(std::move(progress)),
      session_(session), driver_(std::make_unique<SessionDriver>(session, *this)) {
    // A file that cannot be read or written: the session's box, with the file named.
    connect(&session, &Session::box, this,
            [this](const QString& text) { progress_(text + ": " + options_.file); });
    // What the window's status bar would say (a restore point that cannot be written).
    connect(&session, &Session::statusLine, this, [this](const QString& text) { progress_(text); });
    session.setLanguage(options_.language);
    session.setExtMonitor(options_.extMonitor);
    timer_.setInterval(55);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &CliRunner::tick);
    setDefaults(fileSet_);
}

CliRunner::~CliRunner() = default;

QString CliRunner::text(Message m) const {
    return q(messageText(m, options_.language));
}

void CliRunner::start() {
    if (options_.operation != CliOperation::Read && !loadFile()) {
        finish(CliResult::BadFile);
        return;
    }
    if (options_.repeat)
        progress_(q(cliText(CliText::WaitingFirst, options_.language)).arg(options_.device));
    timer_.start();
}

// The file's values over the default set, with the rules applied as Open applies them: what
// they corrected is told, since the unit then gets other values than the file holds. Values
// outside their fields' ranges are programmed only with --anyway, as the window programs them
// only once the tuner said so. The session tells what is wrong with a file it cannot read.
bool CliRunner::loadFile() {
    session_.image() = fileSet_;
    ParamFileResult result;
    const std::optional<DeviceImage> read = session_.readSetFile(options_.file, result);
    if (!read)
        return false;
    fileSet_ = *read;
    normalise(fileSet_);
    const int language = options_.language;
    if (!result.problems.empty()) {
        progress_(q(fileProblemsHeading(language)));
        for (const FileProblem& p : result.problems)
            progress_("  " + q(fileProblemText(p, language)));
        if (options_.operation == CliOperation::Program && !options_.anyway) {
            progress_(q(cliText(CliText::FileDamaged, language)));
            return false;
        }
    }
    const CaptionLookup caption = captionsIn(language);
    const std::vector<Correction> corrected =
        corrections(*read, fileSet_, language, caption, CorrectionSource::File);
    if (!corrected.empty()) {
        progress_(q(rangeText(RangeText::FileCorrected, language)));
        for (const Correction& c : corrected)
            progress_("  " + q(c.text));
    }
    const std::vector<OutOfRangeValue> outside = outOfRangeValues(fileSet_, language, caption);
    if (options_.operation == CliOperation::Program && !options_.anyway && !outside.empty()) {
        progress_(q(cliText(CliText::OutOfRange, language)));
        for (const OutOfRangeValue& v : outside)
            progress_("  " + q(v.text));
        return false;
    }
    // The set is the file's: its restore points name the file.
    session_.image() = fileSet_;
    session_.rememberFile(options_.file);
    return true;
}

bool CliRunner::saveFile() {
    return session_.saveFile(options_.file);
}

bool CliRunner::working() const {
    return driver_->running() || (!steps_.empty() && !end_.box && !end_.message);
}

void CliRunner::tick() {
    driver_->tick();
    if (watch_.state() == UnitWatch::State::Working)
        advanceSteps();
    const UnitWatch::Action action = watch_.tick(packet_, driver_->silenceCount(), working());
    packet_ = false;
    switch (action) {
    case UnitWatch::Action::Start:
        beginUnit();
        return;
    case UnitWatch::Action::Done:
        endUnit();
        return;
    case UnitWatch::Action::Gone:
        progress_(q(cliText(CliText::WaitingNext, options_.language)).arg(options_.device));
        return;
    case UnitWatch::Action::NoUnit:
        if (!options_.repeat) {
            out_(QString(kNoConnection));
            finish(CliResult::NoConnection);
        }
        return;
    case UnitWatch::Action::None:
        return;
    }
}

// Verify and compare first read the unit's identification page, which they do not carry.
void CliRunner::beginUnit() {
    end_ = UnitEnd{};
    identification_.reset();
    using Step = UnitDriver::Step;
    switch (options_.operation) {
    case CliOperation::Read:
        setDefaults(driver_->image());
        steps_ = {Step::Read};
        break;
    case CliOperation::Verify:
        steps_ = {Step::Identify, Step::Verify};
        break;
    case CliOperation::Program:
        steps_ = {Step::Program};
        break;
    case CliOperation::Diff:
        steps_ = {Step::Identify, Step::Compare};
        break;
    case CliOperation::None:
        steps_.clear();
        break;
    }
    if (options_.operation != CliOperation::Read)
        driver_->image() = fileSet_;
    advanceSteps();
}

// The next step starts once the one before ended without a failure or a box.
void CliRunner::advanceSteps() {
    if (driver_->running() || steps_.empty() || end_.box || end_.message)
        return;
    const UnitDriver::Step step = steps_.front();
    steps_.pop_front();
    driver_->start(step);
}

void CliRunner::endUnit() {
    ++units_;
    end_.noConnection = driver_->silenceCount() >= kSilentTicks;
    if (end_.compared)
        printDifferences();
    CliResult result = unitResult(end_);
    if (result == CliResult::Ok && options_.operation == CliOperation::Read && !saveFile())
        result = CliResult::BadFile;
    QString said;
    if (end_.box)
        said = text(*end_.box);
    else if (result == CliResult::NoConnection)
        said = kNoConnection;
    else if (end_.compared)
        said = end_.differences == 0
                   ? q(reportText(ReportText::NoDifferences, options_.language))
                   : q(cliText(CliText::Differences, options_.language)).arg(end_.differences);
    else if (result == CliResult::BadFile)
        said = kOpenFileError;
    else if (end_.message)
        said = text(*end_.message);
    out_(summary(said));
    if (!options_.repeat)
        finish(result);
}

// "[n: ]version date time: result", the identification as the window's version labels show it.
QString CliRunner::summary(const QString& result) const {
    QString line;
    if (options_.repeat)
        line = QString::number(units_) + ": ";
    if (identification_)
        line += *identification_ + ": ";
    return line + result;
}

void CliRunner::printDifferences() {
    const int language = options_.language;
    const CaptionLookup caption = captionsIn(language);
    const DeviceImage& unit = *driver_->unitSeen();
    struct Row {
        QString name, file, unit;
    };
    std::vector<Row> rows;
    rows.push_back({q(reportText(ReportText::ColumnParameter, language)),
                    q(reportText(ReportText::ColumnFile, language)),
                    q(reportText(ReportText::ColumnUnit, language))});
    std::vector<Row> cells;
    for (const ParamDifference& d : compareImages(fileSet_, unit, std::nullopt)) {
        if (!d.unitDiffers)
            continue;
        const ComparedParam& p = *d.param;
        Row row{q(paramName(p, fileSet_, language, caption)), q(paramValue(p, fileSet_, language)),
                q(paramValue(p, unit, language))};
        (p.kind == ComparedParam::MapCell ? cells : rows).push_back(row);
    }
    end_.differences = static_cast<int>(rows.size() - 1 + cells.size());
    if (!cells.empty()) {
        rows.push_back({q(reportText(ReportText::AdvanceMap, language)).arg(cells.size()), {}, {}});
        for (Row& cell : cells) {
            cell.name.prepend("  ");
            rows.push_back(cell);
        }
    }
    if (end_.differences == 0)
        return;
    int nameWidth = 0;
    int fileWidth = 0;
    for (const Row& r : rows) {
        nameWidth = std::max(nameWidth, static_cast<int>(r.name.size()));
        fileWidth = std::max(fileWidth, static_cast<int>(r.file.size()));
    }
    for (const Row& r : rows) {
        QString line =
            r.name.leftJustified(nameWidth + 2) + r.file.leftJustified(fileWidth + 2) + r.unit;
        while (line.endsWith(' '))
            line.chop(1);
        out_(line);
    }
}

void CliRunner::message(Message m) {
    progress_(text(m));
    if (m == Message::VerifyOk || isFailure(m))
        end_.message = m;
}

void CliRunner::messageBox(Message m) {
    progress_(text(m));
    end_.box = m;
}

void CliRunner::identified() {
    const Identification id = formatIdentification(driver_->image());
    identification_ = q(id.version).trimmed() + " " + q(id.date).trimmed() + " " + q(id.time);
}

void CliRunner::compared() {
    end_.compared = true;
}

void CliRunner::interrupt() {
    if (stopped_)
        return;
    if (watch_.state() == UnitWatch::State::Working) {
        ++units_;
        out_(summary(q(cliText(CliText::Interrupted, options_.language))));
        finish(CliResult::Interrupted);
        return;
    }
    finish(options_.repeat ? CliResult::Ok : CliResult::Interrupted);
}

void CliRunner::finish(CliResult result) {
    stopped_ = true;
    timer_.stop();
    emit finished(exitCode(result));
}

} // namespace vortan
