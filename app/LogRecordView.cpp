#include "app/LogRecordView.h"

#include "lang/LogTexts.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QStatusBar>

namespace vortan {

namespace {
QString text(LogText t, int language) {
    return QString::fromStdString(logText(t, language));
}
} // namespace

LogRecordView::LogRecordView(QStatusBar* bar, QAction* item) : bar_(bar), item_(item) {
    field_ = new QLabel(bar);
    field_->setObjectName("LabelRecording");
    field_->hide();
    bar->addPermanentWidget(field_);
    clock_.start();
}

QString LogRecordView::defaultName(const QString& folder) {
    const QString name =
        "vortan2-" + QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss") + ".csv";
    return QDir(folder).filePath(name);
}

bool LogRecordView::start(const QString& path, int language) {
    clock_.restart();
    if (!recorder_.start(path, 0)) {
        showFailure(
            text(LogText::RecordCannotOpen, language)
                .arg(QDir::toNativeSeparators(path), QString::fromStdString(recorder_.error())));
        item_->setChecked(false);
        return false;
    }
    field_->setStyleSheet("color: #C00000; font-weight: bold;");
    item_->setChecked(true);
    showField();
    field_->show();
    return true;
}

void LogRecordView::stop() {
    recorder_.stop();
    item_->setChecked(false);
    field_->hide();
}

void LogRecordView::packet(const MonitorPacket& p, const MapCursor& cursor, int language) {
    if (!recorder_.recording())
        return;
    if (!recorder_.add(clock_.elapsed(), p, cursor)) {
        item_->setChecked(false);
        showFailure(
            text(LogText::RecordFailed, language).arg(QString::fromStdString(recorder_.error())));
        return;
    }
    showField();
}

void LogRecordView::tick() {
    if (recorder_.recording())
        showField();
}

void LogRecordView::showField() {
    const QString t =
        QString::fromStdString(recordingFieldText(clock_.elapsed(), recorder_.lines()));
    if (field_->text() != t)
        field_->setText(t);
}

// Said once: the field keeps the words until the next recording, the status line shows them.
void LogRecordView::showFailure(const QString& words) {
    field_->setStyleSheet("color: #C00000;");
    field_->setText(words);
    field_->show();
    bar_->showMessage(words);
}

} // namespace vortan
