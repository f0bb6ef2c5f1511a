// Values outside their fields' ranges and values the rules correct, as the main window tells
// them: the box before such values are programmed, the status-bar line of a typed value that a
// field refused, and what the rules corrected in a set read from the unit.

#include "app/RangeMessages.h"

#include "app/ParamView.h"
#include "app/WindowContext.h"
#include "controls/ParamSpinBox.h"
#include "lang/Texts.h"
#include "params/Corrections.h"
#include "params/RangeCheck.h"
#include "params/RangeTexts.h"
#include "session/Session.h"

#include <QCheckBox>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <algorithm>

namespace vortan {

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

RangeMessages::RangeMessages(WindowContext& context) : context_(context) {}

// A program from a command asks at once; one after a change asks once the change handler has
// returned (it may run inside a field's focus change or an arrow's mouse press), and programs
// then if the tuner says so.
bool RangeMessages::confirmProgram(bool afterChange) {
    const CaptionLookup caption = context_.captions();
    if (outOfRangeValues(context_.session.image(), context_.language(), caption).empty())
        return true;
    if (!afterChange)
        return askProgramAnyway();
    if (rangeBoxPending_)
        return false; // the box on its way programs the set as it then stands
    rangeBoxPending_ = true;
    QMetaObject::invokeMethod(
        &context_.window,
        [this, caption] {
            // A change since may have brought every value back in range: it has programmed.
            const bool ask =
                context_.session.programAfterChange() &&
                !outOfRangeValues(context_.session.image(), context_.language(), caption).empty();
            const bool go = ask && askProgramAnyway();
            rangeBoxPending_ = false;
            if (go)
                context_.session.operations().startConfirmedProgramAfterChange();
        },
        Qt::QueuedConnection);
    return false;
}

bool RangeMessages::askProgramAnyway() {
    const CaptionLookup caption = context_.captions();
    std::vector<std::string> lines;
    for (const OutOfRangeValue& v :
         outOfRangeValues(context_.session.image(), context_.language(), caption))
        lines.push_back(v.text);
    auto text = [this](RangeText t) {
        return QString::fromStdString(rangeText(t, context_.language()));
    };
    QMessageBox box(QMessageBox::Warning, kBoxTitle, text(RangeText::ProgramQuestion),
                    QMessageBox::NoButton, &context_.window);
    box.setObjectName("BoxProgramOutOfRange");
    box.setInformativeText(joined(lines, "\n"));
    QPushButton* program = box.addButton(text(RangeText::ProgramAnyway), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(text(RangeText::Cancel), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == program;
}

void RangeMessages::typedRefused(ParamSpinBox* edit, int typed) {
    const int byte = context_.params.byteOf(edit);
    const CaptionLookup caption = context_.captions();
    for (const ComparedParam& p : comparedParams()) {
        if (p.byte != byte)
            continue;
        const int language = context_.language();
        const std::string name = paramName(p, context_.session.image(), language, caption);
        context_.window.statusBar()->showMessage(
            QString::fromStdString(typedRefusedText(name, typed, edit->editMinimum(),
                                                    edit->editMaximum(), edit->value(), language)),
            kStatusMillis);
        return;
    }
}

// The specified messages stay as they are: the box comes after the verify's own message, once
// the tick has returned, as the compatibility boxes do.
void RangeMessages::tellReadCorrections(const DeviceImage& received) {
    QMetaObject::invokeMethod(
        &context_.window,
        [this, received] {
            const int language = context_.language();
            DeviceImage shown = received;
            normalise(shown);
            const CaptionLookup caption = context_.captions();
            std::vector<std::string> lines;
            for (const Correction& c : corrections(received, shown, language, caption))
                lines.push_back(c.text);
            context_.showBox(QString::fromStdString(rangeText(RangeText::ReadCorrected, language)),
                             joined(lines, "\n"));
        },
        Qt::QueuedConnection);
}

// Values taken from the unit that the rules correct change nothing: the status bar says why.
void RangeMessages::tellTakenCorrections(const DeviceImage& taken, const std::vector<int>& bytes) {
    DeviceImage shown = taken;
    normalise(shown);
    const CaptionLookup caption = context_.captions();
    std::vector<std::string> lines;
    for (const Correction& c : corrections(taken, shown, context_.language(), caption))
        if (std::find(bytes.begin(), bytes.end(), c.byte) != bytes.end())
            lines.push_back(c.text);
    if (!lines.empty())
        context_.window.statusBar()->showMessage(joined(lines, "; "), kStatusMillis);
}

} // namespace vortan
