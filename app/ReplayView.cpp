#include "app/ReplayView.h"

#include "app/ElidedLabel.h"
#include "files/RegularFile.h"
#include "lang/LogTexts.h"
#include "lang/ReplayTexts.h"
#include "monitor/CellTrail.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QSlider>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

namespace vortan {

namespace {
// Eight hours of log take about 12 MB; a larger file is no log of this program.
constexpr qint64 kMaxLogBytes = 64 * 1024 * 1024;
constexpr int kSpeeds[] = {1, 2, 4, 8};

QString text(LogText t, int language) {
    return QString::fromStdString(logText(t, language));
}

QToolButton* makeButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setIcon(parent->style()->standardIcon(icon));
    b->setAutoRaise(true);
    return b;
}
} // namespace

QString replayTimeText(std::int64_t ms) {
    const std::int64_t s = ms / 1000;
    if (s >= 3600)
        return QString("%1:%2:%3")
            .arg(s / 3600)
            .arg(s / 60 % 60, 2, 10, QChar('0'))
            .arg(s % 60, 2, 10, QChar('0'));
    return QString("%1:%2.%3").arg(s / 60).arg(s % 60, 2, 10, QChar('0')).arg(ms % 1000 / 100);
}

ReplayView::ReplayView(QWidget* monitorPanel) : monitorPanel_(monitorPanel) {}

// The banner and its controls are made with the first replay, not at start-up.
void ReplayView::buildPanel() {
    QWidget* monitorPanel = monitorPanel_;
    panel_ = new QWidget(monitorPanel);
    panel_->setObjectName("PanelReplay");
    auto* v = new QVBoxLayout(panel_);
    v->setContentsMargins(0, 0, 0, 4);
    v->setSpacing(2);
    banner_ = new ElidedLabel(panel_);
    banner_->setObjectName("LabelReplay");
    banner_->setAlignment(Qt::AlignCenter);
    banner_->setStyleSheet("background: #1F4E8C; color: white; font-weight: bold; padding: 4px;");
    banner_->setMinimumWidth(270);
    banner_->setMaximumWidth(320);
    v->addWidget(banner_);

    auto* controls = new QHBoxLayout;
    back_ = makeButton(panel_, "ButtonReplayBack", QStyle::SP_MediaSeekBackward);
    play_ = makeButton(panel_, "ButtonReplayPlay", QStyle::SP_MediaPause);
    forward_ = makeButton(panel_, "ButtonReplayForward", QStyle::SP_MediaSeekForward);
    speed_ = new QComboBox(panel_);
    speed_->setObjectName("ComboReplaySpeed");
    for (int s : kSpeeds)
        speed_->addItem(QString::fromUtf8("%1\u00D7").arg(s), s);
    plot_ = makeButton(panel_, "ButtonReplayPlot", QStyle::SP_FileDialogContentsView);
    close_ = makeButton(panel_, "ButtonReplayClose", QStyle::SP_DialogCloseButton);
    for (QWidget* w : {static_cast<QWidget*>(back_), static_cast<QWidget*>(play_),
                       static_cast<QWidget*>(forward_), static_cast<QWidget*>(speed_)})
        controls->addWidget(w);
    controls->addStretch();
    controls->addWidget(plot_);
    controls->addWidget(close_);
    v->addLayout(controls);

    slider_ = new QSlider(Qt::Horizontal, panel_);
    slider_->setObjectName("SliderReplay");
    v->addWidget(slider_);
    time_ = new QLabel(panel_);
    time_->setObjectName("LabelReplayTime");
    time_->setWordWrap(true);
    time_->setMaximumWidth(320);
    v->addWidget(time_);
    panel_->hide();
    if (auto* box = qobject_cast<QBoxLayout*>(monitorPanel->layout()))
        box->insertWidget(0, panel_);

    connect(play_, &QToolButton::clicked, this, [this] {
        if (!clock_)
            return;
        if (clock_->atEnd()) {
            // Again from the start; a log whose rows share one time is at its end there too,
            // and stays paused rather than playing at its end.
            seek(clock_->start());
            clock_->setPaused(clock_->atEnd());
        } else {
            clock_->setPaused(!clock_->paused());
        }
        wall_.restart();
        updateTexts();
    });
    connect(back_, &QToolButton::clicked, this, [this] { step(-1); });
    connect(forward_, &QToolButton::clicked, this, [this] { step(+1); });
    connect(speed_, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        if (clock_)
            clock_->setSpeed(speed_->itemData(index).toInt());
    });
    connect(slider_, &QSlider::valueChanged, this, [this](int value) {
        if (clock_ && value != clock_->position())
            seek(value);
    });
    connect(plot_, &QToolButton::clicked, this, [this] {
        if (onPlot)
            onPlot();
    });
    connect(close_, &QToolButton::clicked, this, [this] {
        if (onClose)
            onClose();
    });
}

ReplayView::~ReplayView() = default;

QString ReplayView::open(const QString& path, int language) {
    language_ = language;
    const QString shown = QFileInfo(path).fileName();
    LogReadResult read;
    {
        const std::optional<QByteArray> bytes = readRegularFile(path, kMaxLogBytes);
        if (!bytes)
            return text(LogText::Unreadable, language).arg(shown);
        read = readLog(bytes->constData(), static_cast<std::size_t>(bytes->size()));
    }
    switch (read.error) {
    case LogError::None:
        break;
    case LogError::Empty:
        return text(LogText::Empty, language);
    case LogError::Binary:
        return text(LogText::Binary, language);
    case LogError::MissingColumns:
        return text(LogText::MissingColumns, language).arg(QString::fromStdString(read.missing));
    case LogError::NoRows:
        return text(LogText::NoRows, language);
    }
    close();
    if (!panel_)
        buildPanel();
    read.rows.shrink_to_fit();
    log_ = std::move(read);
    clock_ = std::make_unique<ReplayClock>(log_.rows);
    fileName_ = shown;
    filePath_ = QFileInfo(path).absoluteFilePath();
    shown_ = -1;
    endShown_ = false;
    speed_->setCurrentIndex(0);
    slider_->blockSignals(true);
    slider_->setRange(static_cast<int>(clock_->start()), static_cast<int>(clock_->end()));
    slider_->blockSignals(false);
    panel_->show();
    wall_.start();
    showPosition(true);
    return QString();
}

void ReplayView::close() {
    clock_.reset();
    log_ = LogReadResult();
    shown_ = -1;
    if (panel_)
        panel_->hide();
}

void ReplayView::tick() {
    if (!clock_)
        return;
    clock_->advance(wall_.restart());
    showPosition(false);
}

void ReplayView::seek(std::int64_t timeMs) {
    if (!clock_)
        return;
    clock_->seek(timeMs);
    endShown_ = false;
    showPosition(false);
}

// A step pauses the replay, so the row stepped to stays on screen.
void ReplayView::step(long rows) {
    if (!clock_)
        return;
    clock_->setPaused(true);
    clock_->stepRow(rows);
    endShown_ = false;
    showPosition(true);
}

void ReplayView::showPosition(bool force) {
    const long row = clock_->row();
    if (row != shown_ || force) {
        const std::int64_t from = log_.rows[static_cast<std::size_t>(row)].timeMs - kTrailMs;
        const auto trailStart =
            std::lower_bound(log_.rows.begin(), log_.rows.end(), from,
                             [](const LogRow& r, std::int64_t t) { return r.timeMs < t; });
        long first = static_cast<long>(trailStart - log_.rows.begin());
        if (row > shown_ && shown_ >= 0)
            first = std::max(first, shown_ + 1);
        shown_ = row;
        if (onRows)
            onRows(std::min(first, row), row);
    }
    if (clock_->atEnd() && !endShown_) {
        endShown_ = true;
        clock_->setPaused(true);
    }
    slider_->blockSignals(true);
    slider_->setValue(static_cast<int>(clock_->position()));
    slider_->blockSignals(false);
    updateTexts();
}

void ReplayView::setLanguage(int language) {
    language_ = language;
    updateTexts();
}

void ReplayView::updateTexts() {
    if (!panel_)
        return;
    banner_->setTexts(QString(kReplayBanner) + QString::fromUtf8(" \u00B7 "), fileName_);
    banner_->setToolTip(filePath_);
    back_->setToolTip(text(LogText::StepBack, language_));
    forward_->setToolTip(text(LogText::StepForward, language_));
    speed_->setToolTip(text(LogText::Speed, language_));
    slider_->setToolTip(text(LogText::Position, language_));
    plot_->setToolTip(text(LogText::Plot, language_));
    close_->setToolTip(text(LogText::CloseReplay, language_));
    if (!clock_)
        return;
    const bool paused = clock_->paused();
    play_->setToolTip(text(paused ? LogText::Play : LogText::Pause, language_));
    if (play_->property("paused") != paused) {
        play_->setProperty("paused", paused);
        play_->setIcon(
            panel_->style()->standardIcon(paused ? QStyle::SP_MediaPlay : QStyle::SP_MediaPause));
    }
    QString t = replayTimeText(clock_->position() - clock_->start()) + " / " +
                replayTimeText(clock_->end() - clock_->start());
    if (log_.outOfOrder > 0)
        t += "\n" + QString::fromStdString(notInTimeOrderText(language_));
    if (endShown_) {
        const auto count = [this](RowCount c, long n) {
            return QString::fromStdString(rowCountText(c, n, language_));
        };
        t += "\n" + text(LogText::ReplayEnd, language_)
                        .arg(count(RowCount::Rows, static_cast<long>(log_.rows.size())),
                             count(RowCount::DamagedSkipped, log_.skipped));
    }
    if (time_->text() != t)
        time_->setText(t);
}

} // namespace vortan
