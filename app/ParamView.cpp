#include "app/ParamView.h"
#include "app/FindChild.h"
#include "app/ParamControls.h"

#include "controls/DesignCanvas.h"
#include "controls/ParamSpinBox.h"
#include "lang/Texts.h"
#include "params/ParamDiff.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QWidget>

namespace vortan {

namespace {
// Red behind a checked alarm box; a clear one looks like every other check box (no band of
// its own on the group box behind it).
void paintAlarm(QWidget* w, bool checked) {
    if (!checked) {
        if (w->autoFillBackground()) {
            w->setAutoFillBackground(false);
            w->setPalette(QPalette()); // inherit again
        }
        return;
    }
    const QColor red(255, 0, 0);
    if (w->autoFillBackground() && w->palette().color(QPalette::Window) == red)
        return;
    QPalette p = w->palette();
    p.setColor(QPalette::Button, red);
    p.setColor(QPalette::Window, red);
    w->setAutoFillBackground(true);
    w->setPalette(p);
}
} // namespace

ParamView::ParamView(QWidget* root) : root_(root) {
    const ChildIndex index(root); // one walk for the 190 controls
    // The control the form placed for a byte; none while its page is not built.
    auto field = [&index](int byte) -> ParamSpinBox* {
        const QString name = ParamControls::fieldName(byte);
        return name.isEmpty() ? nullptr : index.optional<ParamSpinBox>(name);
    };
    auto flagBox = [&index](int byte) -> QCheckBox* {
        const QString name = ParamControls::fieldName(byte);
        return name.isEmpty() ? nullptr : index.optional<QCheckBox>(name);
    };
    // The controls of a page not built yet are missing: their values stay in the image.
    for (const NumberParam& p : singleNumberParams())
        if (auto* edit = field(p.byte))
            numbers_.push_back({p, edit});
    for (std::size_t i = 0; i < table_.size(); ++i) {
        const NumberParam& p = tableParams()[i];
        table_[i] = field(p.byte);
        if (table_[i])
            numbers_.push_back({p, table_[i]});
    }
    for (const Number& n : numbers_)
        allEdits_.push_back(n.edit);
    for (int r = 0; r < 10; ++r)
        rowLabels_[static_cast<std::size_t>(r)] =
            index.optional<QLabel>(QString("LabelTps%1").arg(r + 1));
    for (const FlagParam& f : flagParams())
        if (auto* box = flagBox(f.byte)) {
            flags_.push_back({f.byte, box});
            flagBoxes_.push_back(box);
        }
    bike_ = index.optional<QComboBox>("ComboBox1");

    auto mapOnly = [this](QWidget* w) {
        if (w)
            mapOnly_.push_back(w);
    };
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 10; ++c)
            mapOnly(mapCell(r, c));
    for (QLabel* l : rowLabels_)
        mapOnly(l);
    for (int c = 1; c <= 10; ++c)
        mapOnly(index.optional<QWidget>(QString("CSpinButton%1").arg(c)));
    for (const char* n : {"LabelTpsMon", "CGaugeTps", "LabelTpsAxis"})
        mapOnly(index.optional<QWidget>(n));

    progHned_ = index.optional<QCheckBox>("CheckBoxProgHned");
    excitation_ = index.optional<QCheckBox>("CheckBoxBuzDlouhe");
    for (const char* n : {"GroupBoxPrivera", "LabelPriveraPoz", "LabelPriveraMer"})
        if (auto* w = index.optional<QWidget>(n))
            servoOnly_.push_back(w);
    for (const char* n : {"CheckBoxAktN2o", "GroupBoxGas", "GroupBoxRetard", "LabelN2oEnable"})
        if (auto* w = index.optional<QWidget>(n))
            n2oOnly_.push_back(w);
}

int ParamView::byteOf(const ParamSpinBox* edit) const {
    for (const Number& n : numbers_)
        if (n.edit == edit)
            return n.param.byte;
    return -1;
}

int ParamView::markDifferences(const DeviceImage& image,
                               const std::optional<DeviceImage>& unit) const {
    int marked = 0;
    for (const Number& n : numbers_) {
        const int b = n.param.byte;
        const bool differs = unit && isComparedByte(b) && image[b] != (*unit)[b];
        n.edit->setDiffersMark(differs);
        marked += differs;
    }
    return marked;
}

void ParamView::read(DeviceImage& image) const {
    for (const Number& n : numbers_) {
        // The spin box keeps its previous value for a text that is not a number in range.
        n.edit->interpretTyped();
        image[n.param.byte] = n.param.stored(n.edit->value());
    }
    for (const Flag& f : flags_)
        image[f.byte] = f.box->isChecked() ? 1 : 0;
    if (bike_ && bike_->currentIndex() >= 0)
        image[Byte::BIKE] = static_cast<std::uint8_t>(bike_->currentIndex());
    applyLayout(image);
}

void ParamView::show(const DeviceImage& image, int language) {
    for (const Number& n : numbers_) {
        const QSignalBlocker block(n.edit);
        n.edit->showValue(n.param.shown(image[n.param.byte]));
        updateNote(n.edit, language);
    }
    for (const Flag& f : flags_) {
        const QSignalBlocker block(f.box);
        f.box->setChecked(image[f.byte] != 0);
    }
    if (bike_) {
        const QSignalBlocker block(bike_);
        bike_->setCurrentIndex(image[Byte::BIKE] < bike_->count() ? image[Byte::BIKE] : -1);
    }
    applyLayout(image);
}

void ParamView::updateNote(ParamSpinBox* edit, int language) const {
    if (!edit->isOutOfRange())
        return;
    const QLocale locale = edit->locale();
    edit->setOutOfRangeNote(QString::fromStdString(messageText(Message::OutOfRangeNote, language))
                                .arg(locale.toString(edit->value()),
                                     locale.toString(edit->editMinimum()),
                                     locale.toString(edit->editMaximum())));
}

void ParamView::setNoteLanguage(int language) {
    for (const Number& n : numbers_)
        updateNote(n.edit, language);
}

void ParamView::applyLayout(const DeviceImage& image) const {
    const bool throttleMap = image[Byte::TPS_MAPA] != 0;
    for (QWidget* w : mapOnly_)
        w->setVisible(throttleMap);
    // The 100 % row stands beside the 100 % label, or alone at the top of the map.
    // In design coordinates: a page that scales its children keeps the row there.
    if (QLabel* beside = throttleMap ? rowLabel(9) : rowLabel(0)) { // the map page is built
        const int top = designGeometry(beside).y() - 4;
        for (int c = 0; c < 10; ++c) {
            ParamSpinBox* cell = mapCell(9, c);
            const QRect place = designGeometry(cell);
            if (place.y() != top)
                setDesignGeometry(cell, place.translated(0, top - place.y()));
        }
    }
    for (QCheckBox* alarm : {progHned_, excitation_})
        if (alarm)
            paintAlarm(alarm, alarm->isChecked());
    for (QWidget* w : servoOnly_)
        w->setVisible(image[Byte::PRIV_ENABLE] != 0);
    for (QWidget* w : n2oOnly_)
        w->setVisible(image[Byte::N2O_ENABLE] != 0);
}

} // namespace vortan
