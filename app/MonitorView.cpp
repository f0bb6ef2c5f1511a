#include "app/MonitorView.h"
#include "app/FindChild.h"

#include "app/ParamView.h"
#include "controls/CGauge.h"
#include "controls/ParamSpinBox.h"

#include <QCheckBox>
#include <QLabel>
#include <QWidget>

namespace vortan {

namespace {
const QColor kLime(0x00, 0xFF, 0x00);

// Nothing for a control of a page not built yet: the page is marked when it is built.
void setRole(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
    if (!w)
        return;
    QPalette p = w->palette();
    if (p.color(role) == colour)
        return;
    p.setColor(role, colour);
    w->setPalette(p);
}

QColor colourOf(LabelColour c, const QColor& face) {
    switch (c) {
    case LabelColour::Red:
        return QColor(0xFF, 0x00, 0x00);
    case LabelColour::Yellow:
        return QColor(0xFF, 0xFF, 0x00);
    case LabelColour::Lime:
        return kLime;
    case LabelColour::White:
        return QColor(0xFF, 0xFF, 0xFF);
    case LabelColour::Fuchsia:
        return QColor(0xFF, 0x00, 0xFF);
    default:
        return face;
    }
}
} // namespace

MonitorView::MonitorView(QWidget* root, const ParamView& params) : params_(params) {
    const ChildIndex index(root);
    buttonFace_ = root->palette().color(QPalette::Button);
    window_ = root->palette().color(QPalette::Base);
    rpm_ = index.required<QLabel>("LabelRpm");
    rpmGauge_ = index.required<TCGauge>("CGaugeRpm");
    lambda_ = index.required<QLabel>("LabelLambda");
    lambdaGauge_ = index.required<TCGauge>("CGaugeLambda");
    tps_ = index.required<QLabel>("LabelTpsMon");
    tpsGauge_ = index.required<TCGauge>("CGaugeTps");
    servoDesired_ = index.required<QLabel>("LabelPriveraPoz");
    servoMeasured_ = index.required<QLabel>("LabelPriveraMer");
    blocking1_ = index.required<QLabel>("LabelBlok1");
    blocking2_ = index.required<QLabel>("LabelBlok2");
    clutch_ = index.required<QLabel>("LabelClutchMon");
    limiter_ = index.required<QLabel>("LabelLimiter1");
    tacho_ = index.required<QLabel>("LabelTacho_Lambda");
    n2o_ = index.required<QLabel>("LabelN2oEnable");
    advance_ = index.required<QLabel>("LabelAdvance");
    programmings_ = index.required<QLabel>("LabelPocetProgramovani");
    for (int i = 0; i < 8; ++i)
        tests_[static_cast<std::size_t>(i)] =
            index.required<QLabel>(QString("LabelTest%1").arg(i + 1));
}

void MonitorView::setLabel(QLabel* label, const LabelView& view) {
    const QString text = QString::fromStdString(view.text);
    if (label->text() != text)
        label->setText(text);
    if (view.colour != LabelColour::Unchanged)
        setRole(label, QPalette::Window, colourOf(view.colour, buttonFace_));
}

void MonitorView::show(const MonitorDisplay& d, bool n2oChecked, bool servoGroupVisible,
                       bool extendedMonitor) {
    setLabel(rpm_, d.rpm);
    rpmGauge_->setProgress(d.rpmGauge);
    setLabel(lambda_, d.lambda);
    lambdaGauge_->setProgress(d.lambdaGauge);
    tpsGauge_->setProgress(d.tpsGauge);
    setLabel(tps_, d.tps);
    servoDesired_->setVisible(servoGroupVisible);
    setLabel(servoDesired_, d.servoDesired);
    servoMeasured_->setVisible(servoGroupVisible);
    setLabel(servoMeasured_, d.servoMeasured);
    setLabel(blocking1_, d.blocking1);
    setLabel(blocking2_, d.blocking2);
    setLabel(clutch_, d.clutch);
    setLabel(limiter_, d.limiter);
    setLabel(tacho_, d.tacho);
    n2o_->setVisible(n2oChecked);
    setLabel(n2o_, d.n2o);
    setLabel(advance_, d.advance);
    programmings_->setVisible(extendedMonitor);
    setLabel(programmings_, d.programmings);
    for (std::size_t i = 0; i < tests_.size(); ++i)
        setLabel(tests_[i], d.test[i]);
}

void MonitorView::showProgrammingsLabel(bool visible) {
    programmings_->setVisible(visible);
}

void MonitorView::paintColumn(int i, const MapCursor& c) {
    const bool on = i == c.column && !c.belowMap;
    setRole(params_.tableEdit(i), QPalette::Base, on ? kLime : window_);
}

void MonitorView::paintRow(int row, const MapCursor& c) {
    QLabel* label = params_.rowLabel(row);
    setRole(label, QPalette::Window, row == c.row ? kLime : buttonFace_);
}

void MonitorView::paintServo(int i, const MapCursor& c) {
    const QColor colour = i == c.servoColumn ? kLime : window_;
    setRole(params_.tableEdit(110 + i), QPalette::Base, colour);
    setRole(params_.tableEdit(120 + i), QPalette::Base, colour);
}

void MonitorView::paintCell(int row, int column, const MapCursor& c) {
    const bool on = row == c.row && column == c.column && !c.belowMap;
    if (cellPainter_)
        return cellPainter_(row, column, on);
    setRole(params_.mapCell(row, column), QPalette::Base, on ? kLime : window_);
}

void MonitorView::paintAll(const MapCursor& cursor) {
    for (int i = 0; i < 10; ++i) {
        paintColumn(i, cursor);
        paintRow(i, cursor);
        paintServo(i, cursor);
        for (int c = 0; c < 10; ++c)
            paintCell(i, c, cursor);
    }
}

void MonitorView::mark(const MapCursor& cursor) {
    if (!marked_) {
        paintAll(cursor);
    } else if (cursor != markedCursor_) {
        // Only the controls of the old and the new position can change colour.
        const MapCursor& old = markedCursor_;
        for (int i : {int(old.column), int(cursor.column)})
            paintColumn(i, cursor);
        for (int r : {int(old.row), int(cursor.row)})
            paintRow(r, cursor);
        for (int i : {int(old.servoColumn), int(cursor.servoColumn)})
            paintServo(i, cursor);
        paintCell(old.row, old.column, cursor);
        paintCell(cursor.row, cursor.column, cursor);
    }
    markedCursor_ = cursor;
    marked_ = true;
}

} // namespace vortan
