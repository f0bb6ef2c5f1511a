// Values outside their fields' ranges and values the rules correct, as the main window tells
// them: the box before such values are programmed, the status-bar line of a typed value that a
// field refused, and what the rules corrected in a set read from the unit.

#include "app/Hlav.h"
#include "app/ParamView.h"
#include "controls/ParamSpinBox.h"
#include "lang/Texts.h"
#include "params/Corrections.h"
#include "params/RangeCheck.h"
#include "params/RangeTexts.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <algorithm>

using namespace vortan;

namespace {
// How long the status bar keeps a line of its own.
constexpr int kStatusMillis = 15000;

QString joined(const std::vector<std::string>& lines, const char* separator) {
    QStringList out;
    for (const std::string& l : lines)
        out << QString::fromStdString(l);
    return out.join(QString::fromUtf8(separator));
}
} // namespace

// A program from a command asks at once; one after a change asks once the change handler has
// returned (it may run inside a field's focus change or an arrow's mouse press), and programs
// then if the tuner says so.
bool TFormHlav::confirmProgram(bool afterChange) {
    const CaptionLookup caption = [this](const char* name) { return captionOf(name); };
    if (outOfRangeValues(session_->image(), session_->language(), caption).empty())
        return true;
    if (!afterChange)
        return askProgramAnyway();
    if (rangeBoxPending_)
        return false; // the box on its way programs the set as it then stands
    rangeBoxPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this, caption] {
            // A change since may have brought every value back in range: it has programmed.
            const bool ask =
                session_->programAfterChange() &&
                !outOfRangeValues(session_->image(), session_->language(), caption).empty();
            const bool go = ask && askProgramAnyway();
            rangeBoxPending_ = false;
            if (go)
                session_->operations().startConfirmedProgramAfterChange();
        },
        Qt::QueuedConnection);
    return false;
}

bool TFormHlav::askProgramAnyway() {
    const CaptionLookup caption = [this](const char* name) { return captionOf(name); };
    std::vector<std::string> lines;
    for (const OutOfRangeValue& v :
         outOfRangeValues(session_->image(), session_->language(), caption))
        lines.push_back(v.text);
    auto text = [this](RangeText t) {
        return QString::fromStdString(rangeText(t, session_->language()));
    };
    QMessageBox box(QMessageBox::Warning, kBoxTitle, text(RangeText::ProgramQuestion),
                    QMessageBox::NoButton, this);
    box.setObjectName("BoxProgramOutOfRange");
    box.setInformativeText(joined(lines, "\n"));
    QPushButton* program = box.addButton(text(RangeText::ProgramAnyway), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(text(RangeText::Cancel), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == program;
}

void TFormHlav::typedRefused(ParamSpinBox* edit, int typed) {
    const int byte = params_->byteOf(edit);
    const CaptionLookup caption = [this](const char* name) { return captionOf(name); };
    for (const ComparedParam& p : comparedParams()) {
        if (p.byte != byte)
            continue;
        const int language = session_->language();
        const std::string name = paramName(p, session_->image(), language, caption);
        statusBar()->showMessage(
            QString::fromStdString(typedRefusedText(name, typed, edit->editMinimum(),
                                                    edit->editMaximum(), edit->value(), language)),
            kStatusMillis);
        return;
    }
}

// The specified messages stay as they are: the box comes after the verify's own message, once
// the tick has returned, as the compatibility boxes do.
void TFormHlav::tellReadCorrections(const DeviceImage& received) {
    QMetaObject::invokeMethod(
        this,
        [this, received] {
            const int language = session_->language();
            DeviceImage shown = received;
            normalise(shown);
            const CaptionLookup caption = [this](const char* name) { return captionOf(name); };
            std::vector<std::string> lines;
            for (const Correction& c : corrections(received, shown, language, caption))
                lines.push_back(c.text);
            showBox(QString::fromStdString(rangeText(RangeText::ReadCorrected, language)),
                    joined(lines, "\n"));
        },
        Qt::QueuedConnection);
}

// Values taken from the unit that the rules correct change nothing: the status bar says why.
void TFormHlav::tellTakenCorrections(const DeviceImage& taken, const std::vector<int>& bytes) {
    DeviceImage shown = taken;
    normalise(shown);
    const CaptionLookup caption = [this](const char* name) { return captionOf(name); };
    std::vector<std::string> lines;
    for (const Correction& c : corrections(taken, shown, session_->language(), caption))
        if (std::find(bytes.begin(), bytes.end(), c.byte) != bytes.end())
            lines.push_back(c.text);
    if (!lines.empty())
        statusBar()->showMessage(joined(lines, "; "), kStatusMillis);
}
