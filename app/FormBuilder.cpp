// Builds the widgets of the main window with their object names, in their places.
// Captions here are the English start-up texts; the language switch replaces them.

#include "app/FormBuilder.h"

#include "app/LanguageView.h"
#include "app/MapLegend.h"
#include "app/ParamControls.h"
#include "controls/CGauge.h"
#include "controls/CSpinButton.h"
#include "controls/DesignCanvas.h"
#include "controls/FittingScrollArea.h"
#include "controls/FocusComboBox.h"
#include "controls/ParamSpinBox.h"
#include "controls/PathLabel.h"
#include "controls/ToolIcons.h"
#include "params/ParamTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <cstring>

using namespace vortan;

namespace {

// Geometry of the advance map page.
constexpr int kMapLeft = 84;
constexpr int kCellWidth = 66;
constexpr int kCellHeight = 24;
constexpr int kRowPitch = 27;
constexpr int kAxisTop = 34;
constexpr int kMapTop = 66;

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QCheckBox* makeCheck(QWidget* parent, const char* name, const QString& text) {
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(name);
    return c;
}

// The field of the number at image byte `byte`, with its range and step.
ParamSpinBox* makeSpin(QWidget* parent, int byte, const QString& name) {
    auto* s = new ParamSpinBox(parent);
    s->setObjectName(name);
    if (const NumberParam* p = numberParamAt(byte)) {
        s->setEditRange(p->minimum, p->maximum);
        s->setSingleStep(p->step);
        s->setToolTip(QString());
    }
    ParamControls::placeField(byte, name);
    return s;
}

// The caption of the parameter at `byte` on the control named `name`.
void placeCaptionOf(int byte, const char* name) {
    if (const ParamRow* r = paramRowAt(byte); r && r->text)
        ParamControls::placeCaption(r->text, name);
}

QLabel* makeParamLabel(QWidget* parent, int byte, const char* name, const QString& text) {
    placeCaptionOf(byte, name);
    return makeLabel(parent, name, text);
}

// The check box of the switch at image byte `byte`.
QCheckBox* makeFlag(QWidget* parent, int byte, const char* name, const QString& text) {
    ParamControls::placeField(byte, name);
    placeCaptionOf(byte, name);
    return makeCheck(parent, name, text);
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

void keepPlaceWhenHidden(QWidget* w) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
}

QGroupBox* makeGroup(QWidget* parent, const char* name, const QString& title) {
    auto* g = new QGroupBox(title, parent);
    g->setObjectName(name);
    return g;
}

// A form row of the number at image byte `byte`: caption label, spin box.
void addRow(QGridLayout* grid, int row, QWidget* parent, int byte, const char* labelName,
            const QString& caption, const char* spinName) {
    grid->addWidget(makeParamLabel(parent, byte, labelName, caption), row, 0);
    auto* spin = makeSpin(parent, byte, spinName);
    spin->setMinimumWidth(96);
    grid->addWidget(spin, row, 1);
}

QWidget* buildMiscPage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet1");
    auto* outer = new QGridLayout(page);

    auto* bikeRow = new QHBoxLayout;
    auto* combo = new FocusComboBox(page);
    combo->setObjectName("ComboBox1");
    combo->addItems({"Yamaha R6", "Kawasaki ZX", "Suzuki GSX", "Yamaha R1", "Honda CBR",
                     "1 triger, 2 chanels"});
    combo->setToolTip("Type of keying");
    bikeRow->addWidget(combo);
    bikeRow->addStretch();
    outer->addLayout(bikeRow, 0, 0, 1, 2);

    auto* other = makeGroup(page, "GroupBox1", "Other");
    auto* og = new QGridLayout(other);
    addRow(og, 0, other, Byte::LIMITER1, "LabelOmez1", "Start Limiter [rpm]", "EditOmez1");
    addRow(og, 1, other, Byte::LIMITER2, "LabelOmez2", "Limiter [rpm]", "EditOmez2");
    addRow(og, 2, other, Byte::CLUTCH, "LabelClutch", "Clutch m. [ms]", "EditClutch");
    addRow(og, 3, other, Byte::LED_RAZENI, "LabelLedRazeni", "Gear Shift Light [rpm]",
           "EditLedRazeni");
    addRow(og, 4, other, Byte::BASE_ADV, "LabelBaseAdv", QString::fromUtf8("Base advance [°]"),
           "EditBaseAdv");
    og->addWidget(makeFlag(other, Byte::EXCITATION, "CheckBoxBuzDlouhe", "Excitation Long"), 5, 0,
                  1, 2);
    og->addWidget(makeFlag(other, Byte::RPM2, "CheckBoxRpm2Krat", "Tachometer 2x"), 6, 0, 1, 2);
    og->setRowStretch(7, 1);
    outer->addWidget(other, 1, 0);

    auto* act = makeGroup(page, "GroupBox4", "Activation by Switch on");
    auto* av = new QVBoxLayout(act);
    av->addWidget(makeFlag(act, Byte::ACT_LIM1, "CheckBoxAktLimiter1", "Start Limiter"));
    av->addWidget(makeFlag(act, Byte::ACT_CLUTCH, "CheckBoxAktClutch", "Clutch m."));
    av->addWidget(makeFlag(act, Byte::ACT_BLOK1, "CheckBoxAktBlok1", "Blocking 1"));
    av->addWidget(makeFlag(act, Byte::ACT_BLOK2, "CheckBoxAktBlok2", "Blocking 2"));
    av->addWidget(makeFlag(act, Byte::ACT_TACHO, "CheckBoxAktRpm", "Tacho/Lambda"));
    av->addWidget(makeFlag(act, Byte::ACT_N2O, "CheckBoxAktN2o", "Activation N2O"));
    av->addStretch();
    outer->addWidget(act, 1, 1);

    auto* tps = makeGroup(page, "GroupBoxTps", "TPS");
    auto* tg = new QGridLayout(tps);
    addRow(tg, 0, tps, Byte::TPS0, "LabelTps0", "0%  [mV]", "EditTps0");
    addRow(tg, 1, tps, Byte::TPS100, "LabelTps100", "100%  [mv]", "EditTps100");
    tg->addWidget(makeButton(tps, "BitBtnTps0", "Set TPS 0 %"), 0, 2);
    tg->addWidget(makeButton(tps, "BitBtnTps100", "Set TPS 100 %"), 1, 2);
    outer->addWidget(tps, 2, 0, 1, 2);
    outer->setRowStretch(3, 1);
    return page;
}

// The tools on the selected cells, the corner that selects all, the colours with their
// legend and the switch of the curves panel (app/MapEditing.cpp wires them).
void buildMapEditing(QWidget* page, int buttonsTop) {
    auto* all = new QToolButton(page);
    all->setObjectName("ButtonMapAll");
    all->setText(QString::fromUtf8("\u25E4"));
    all->setAutoRaise(true);
    all->setGeometry(8, kAxisTop, 28, kCellHeight);
    auto* legend = new MapLegend(page);
    legend->setObjectName("MapColourLegend");
    legend->setGeometry(kMapLeft + 10 * kCellWidth + 6, kMapTop, 44, 10 * kRowPitch - 3);
    legend->hide();
    makeCheck(page, "CheckBoxMapColours", "Colours")
        ->setGeometry(kMapLeft + 250, buttonsTop + 2, 110, 22);
    makeCheck(page, "CheckBoxMapCurves", "Curves")
        ->setGeometry(kMapLeft + 370, buttonsTop + 2, 110, 22);
    // What the colours show: advance, or the time the engine spent in each cell.
    auto* source = new FocusComboBox(page);
    source->setObjectName("ComboMapColourSource");
    source->addItems({"Advance", "Time in cell"});
    source->setGeometry(kMapLeft + 484, buttonsTop + 1, 140, 24);
    const int top = buttonsTop + 34;
    makeLabel(page, "LabelMapStep", QString::fromUtf8("Step [°]"))
        ->setGeometry(kMapLeft, top + 4, 70, 18);
    auto* step = new QSpinBox(page);
    step->setObjectName("SpinBoxMapStep");
    step->setRange(1, 60);
    step->setValue(1);
    step->setGeometry(kMapLeft + 72, top, 56, 26);
    makeButton(page, "ButtonMapLower", "-")->setGeometry(kMapLeft + 134, top, 36, 26);
    makeButton(page, "ButtonMapRaise", "+")->setGeometry(kMapLeft + 174, top, 36, 26);
    makeButton(page, "ButtonMapSet", "Set...")->setGeometry(kMapLeft + 222, top, 96, 26);
    makeButton(page, "ButtonMapScale", "Scale...")->setGeometry(kMapLeft + 322, top, 96, 26);
    makeButton(page, "ButtonMapInterpolate", "Interpolate")
        ->setGeometry(kMapLeft + 422, top, 110, 26);
    makeButton(page, "ButtonMapSmooth", "Smooth")->setGeometry(kMapLeft + 536, top, 96, 26);
}

// Placed in design coordinates; the canvas stretches them with the window.
void fillMapPage(DesignCanvas* page) {
    // Within the corner the captions leave, so it stays in sight as they do.
    makeFlag(page, Byte::TPS_MAPA, "CheckBoxTpsMapa", "TPS")->setGeometry(8, 6, 74, 22);
    auto* rpmAxis = makeLabel(page, "Label26", "RPM");
    rpmAxis->setGeometry(kMapLeft - 44, kAxisTop + 4, 40, 18);
    rpmAxis->setToolTip("Round per Minute");
    rpmAxis->setStatusTip("Speed - Round per Minute");
    for (int c = 0; c < 10; ++c) {
        auto* s = makeSpin(page, Byte::RPM_ADV + c, QString("EditRpmAdv%1").arg(c + 1));
        s->setGeometry(kMapLeft + c * kCellWidth, kAxisTop, kCellWidth - 2, kCellHeight);
    }
    static const char* kRowCaptions[10] = {"0%",  "2%",  "5%",  "10%", "20%",
                                           "30%", "40%", "60%", "80%", "100%"};
    for (int r = 0; r < 10; ++r) {
        const int y = kMapTop + r * kRowPitch;
        auto* label =
            makeLabel(page, qPrintable(QString("LabelTps%1").arg(r + 1)), kRowCaptions[r]);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setAutoFillBackground(true);
        label->setGeometry(kMapLeft - 44, y + 4, 38, kCellHeight - 8);
        for (int c = 0; c < 10; ++c) {
            auto* s =
                makeSpin(page, Byte::ADVANCE + r * 10 + c, QString("Edit%1").arg(50 + r * 10 + c));
            s->setGeometry(kMapLeft + c * kCellWidth, y, kCellWidth - 2, kCellHeight);
        }
    }
    makeLabel(page, "LabelTpsAxis", "TPS")->setGeometry(4, kMapTop + 4 * kRowPitch + 14, 30, 18);

    const int shiftTop = kMapTop + 10 * kRowPitch;
    for (int c = 0; c < 10; ++c) {
        auto* sb = new TCSpinButton(page);
        sb->setObjectName(QString("CSpinButton%1").arg(c + 1));
        sb->setGeometry(kMapLeft + c * kCellWidth + (kCellWidth - 17) / 2, shiftTop, 15, 21);
    }
    const int buttonsTop = shiftTop + 30;
    makeButton(page, "BitBtnAdvMinus", "-")->setGeometry(kMapLeft, buttonsTop, 48, 26);
    makeButton(page, "BitBtnAdvPlus", "+")->setGeometry(kMapLeft + 54, buttonsTop, 48, 26);
    makeCheck(page, "CheckBoxIgnAll", "All")->setGeometry(kMapLeft + 112, buttonsTop + 2, 120, 22);
    buildMapEditing(page, buttonsTop);
    // Scrolled on a small screen, the speeds above the cells and the throttle rows beside
    // them stay in sight.
    page->setFrozenStrips(QSize(kMapLeft, kMapTop));
}

void fillN2oPage(QWidget* page) {
    auto* v = new QVBoxLayout(page);
    v->addWidget(makeFlag(page, Byte::N2O_ENABLE, "CheckBoxGas", "N2O Enable"));
    auto* row = new QHBoxLayout;
    auto* gas = makeGroup(page, "GroupBoxGas", "N2O");
    auto* gg = new QGridLayout(gas);
    addRow(gg, 0, gas, Byte::GAS1, "LabelGas1", "N2O 1 [%]", "EditGas1");
    addRow(gg, 1, gas, Byte::GAS2, "LabelGas2", "N2O 2 [%]", "EditGas2");
    addRow(gg, 2, gas, Byte::GAS_DELAY, "LabelGasD", "Delay [ms]", "EditGasD");
    addRow(gg, 3, gas, Byte::GAS_BUILDUP, "LabelGasT", "Build up Time [ms]", "EditGasT");
    row->addWidget(gas);
    auto* retard = makeGroup(page, "GroupBoxRetard", "Retard");
    auto* rg = new QGridLayout(retard);
    addRow(rg, 0, retard, Byte::RETARD1, "LabelRetard1", QString::fromUtf8("Retard 1 [°]"),
           "EditRetard1");
    addRow(rg, 1, retard, Byte::RETARD2, "LabelRetard2", QString::fromUtf8("Retard 2 [°]"),
           "EditRetard2");
    addRow(rg, 2, retard, Byte::RETARD_DELAY, "LabelRetardD", "Delay [ms]", "EditRetardD");
    addRow(rg, 3, retard, Byte::RETARD_BUILDUP, "LabelRetardT", "Build up Time [ms]",
           "EditRetardT");
    row->addWidget(retard);
    v->addLayout(row);
    v->addStretch();
}

void fillServoPage(QWidget* page) {
    auto* v = new QVBoxLayout(page);
    v->addWidget(makeFlag(page, Byte::PRIV_ENABLE, "CheckBoxPrivEnable", "Servo Enable"));
    auto* group = makeGroup(page, "GroupBoxPrivera", "Servo");
    auto* g = new QGridLayout(group);
    g->addWidget(
        makeParamLabel(group, Byte::PRIV_HYSTER, "LabelPrivHyster", "Sevro Hysteresis [mV]"), 0, 0,
        1, 3);
    g->addWidget(makeSpin(group, Byte::PRIV_HYSTER, "EditPrivHyster"), 0, 3, 1, 2);
    g->addWidget(makeParamLabel(group, Byte::RPM_PRIV, "LabelServoRpm", "RPM"), 1, 0);
    g->addWidget(makeParamLabel(group, Byte::NAP_PRIV, "LabelServoMv", "[mV]"), 2, 0);
    for (int c = 0; c < 10; ++c) {
        g->addWidget(makeSpin(group, Byte::RPM_PRIV + c, QString("EditRpmPriv%1").arg(c + 1)), 1,
                     c + 1);
        g->addWidget(makeSpin(group, Byte::NAP_PRIV + c, QString("EditNapPriv%1").arg(c + 1)), 2,
                     c + 1);
    }
    auto* buttons = new QHBoxLayout;
    auto* minus = makeButton(group, "BitBtnServoMinus", "-");
    LanguageView::setHint(minus, "Take off 20 mV");
    auto* plus = makeButton(group, "BitBtnServoPlus", "+");
    LanguageView::setHint(plus, "Add 20 mV");
    buttons->addWidget(minus);
    buttons->addWidget(plus);
    buttons->addWidget(makeCheck(group, "CheckBoxPrivAll", "All"));
    buttons->addStretch();
    g->addLayout(buttons, 3, 0, 1, 11);
    v->addWidget(group);
    v->addStretch();
}

TCGauge* makeGauge(QWidget* parent, const char* name, int width) {
    auto* g = new TCGauge(parent);
    g->setObjectName(name);
    g->setFixedSize(width, 21);
    g->setShowText(false);
    return g;
}

QWidget* buildMonitor() {
    auto* box = new QWidget;
    box->setObjectName("PanelMonitor");
    auto* v = new QVBoxLayout(box);
    v->setSpacing(3);
    auto addLabel = [&](const char* name, const QString& text) {
        auto* l = makeLabel(box, name, text);
        l->setAutoFillBackground(true);
        l->setMinimumWidth(270);
        v->addWidget(l);
        return l;
    };
    QFont big = box->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    // The large type fits the width the panel gives (app/GrowingType), never widens it.
    auto addBig = [&](const char* name, const QString& text) {
        auto* l = addLabel(name, text);
        l->setFont(big);
        l->setSizePolicy(QSizePolicy::Ignored, l->sizePolicy().verticalPolicy());
    };
    addBig("LabelRpm", "RPM = ---");
    makeGauge(box, "CGaugeRpm", 270)->setForeColor(QColor(0xFF, 0x00, 0xFF));
    v->addWidget(box->findChild<TCGauge*>("CGaugeRpm"));
    addLabel("LabelTpsMon", "TP= --- [%]");
    auto* tpsGauge = makeGauge(box, "CGaugeTps", 270);
    tpsGauge->setForeColor(QColor(0x00, 0x80, 0x80));
    v->addWidget(tpsGauge);
    addLabel("LabelLambda", "LAMBDA= --- [mV]");
    v->addWidget(makeGauge(box, "CGaugeLambda", 270));
    auto* strips = new QHBoxLayout;
    strips->setSpacing(0);
    const QColor stripColours[3] = {Qt::blue, QColor(0, 0xFF, 0), Qt::red};
    for (int i = 0; i < 3; ++i) {
        auto* s = makeLabel(box, qPrintable(QString("LabelBarGraf%1").arg(i + 1)), QString());
        s->setFixedSize(90, 5);
        s->setAutoFillBackground(true);
        QPalette p = s->palette();
        p.setColor(QPalette::Window, stripColours[i]);
        s->setPalette(p);
        strips->addWidget(s);
    }
    strips->addStretch();
    v->addLayout(strips);
    addBig("LabelAdvance", QString::fromUtf8("ADVANCE= --- [°]"));
    addLabel("LabelLimiter1", "Limiter 1 = --");
    addLabel("LabelTacho_Lambda", "Tacho/Lambda  = --");
    addLabel("LabelBlok1", "Blocking 1 = --");
    addLabel("LabelBlok2", "Blocking 2 = --");
    addLabel("LabelClutchMon", "Clutch = --");
    addLabel("LabelN2oEnable", "N20 enable = --");
    addLabel("LabelPriveraPoz", "Throtle Des. = ---");
    addLabel("LabelPriveraMer", "Throtle Meas. = ---");
    addLabel("LabelPocetProgramovani", "Number of Programing: -----")->hide();
    auto* tests = new QGridLayout;
    for (int i = 0; i < 8; ++i) {
        auto* t = makeLabel(box, qPrintable(QString("LabelTest%1").arg(i + 1)),
                            QString("Test%1 = ---").arg(i + 1));
        tests->addWidget(t, i / 2, i % 2);
    }
    v->addLayout(tests);
    v->addWidget(makeCheck(box, "CheckBoxExtMonitor", "Extended Monitor"));
    v->addStretch();
    auto* noLink = makeLabel(box, "LabelSpojeni", "No Connection");
    QFont bold = box->font();
    bold.setPointSizeF(bold.pointSizeF() * 1.6);
    bold.setBold(true);
    noLink->setFont(bold);
    noLink->setAlignment(Qt::AlignCenter);
    noLink->setAutoFillBackground(true);
    QPalette red = noLink->palette();
    red.setColor(QPalette::Window, Qt::red);
    red.setColor(QPalette::WindowText, Qt::white);
    noLink->setPalette(red);
    noLink->setMinimumHeight(34);
    v->addWidget(noLink);
    return box;
}

QToolButton* makeToolButton(QWidget* parent, const char* name, ToolGlyph glyph,
                            const QString& text) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setAutoRaise(true);
    b->setText(text);
    b->setIcon(toolIcon(glyph));
    b->setIconSize(QSize(22, 22));
    return b;
}

// An empty page of the tab row, filled by buildPageContents when first needed.
QWidget* makePageShell(const char* name) {
    QWidget* page = nullptr;
    if (std::strcmp(name, kPageNames[kMapPage]) == 0)
        page = new DesignCanvas(
            QSize(kMapLeft + 10 * kCellWidth + 56, kMapTop + 10 * kRowPitch + 100));
    else
        page = new QWidget;
    page->setObjectName(name);
    return page;
}

} // namespace

namespace vortan {

void buildPageContents(int index, QWidget* page) {
    if (index == kMapPage)
        fillMapPage(static_cast<DesignCanvas*>(page));
    else if (index == kN2oPage)
        fillN2oPage(page);
    else if (index == kServoPage)
        fillServoPage(page);
}

void buildFormControls(QMainWindow& window) {
    auto* central = new QWidget(&window);
    central->setObjectName("FormHlavClient");
    window.setCentralWidget(central);
    auto* outer = new QVBoxLayout(central);

    // Tool row: file buttons, device buttons, programming after change.
    auto* tools = new QHBoxLayout;
    tools->addWidget(makeToolButton(central, "SpeedButton6", ToolGlyph::New, "New"));
    tools->addWidget(makeToolButton(central, "SpeedButton5", ToolGlyph::Open, "Open"));
    tools->addWidget(makeToolButton(central, "SpeedButton7", ToolGlyph::Save, "Save"));
    tools->addWidget(makeToolButton(central, "SpeedButtonPrint", ToolGlyph::Print, "Print"));
    tools->addSpacing(16);
    tools->addWidget(makeButton(central, "Button1", "&Read"));
    tools->addWidget(makeButton(central, "BitBtn2", "Verify"));
    tools->addWidget(makeButton(central, "BitBtn1", "Program"));
    tools->addSpacing(16);
    tools->addWidget(makeCheck(central, "CheckBoxProgHned", "Programming after change"));
    tools->addStretch();
    outer->addLayout(tools);

    auto* body = new QHBoxLayout;
    auto* pages = new QTabWidget(central);
    pages->setObjectName("PageControl1");
    // Each page scrolls when the window is smaller than it, as does the live panel.
    const Qt::Orientations both = Qt::Horizontal | Qt::Vertical;
    // The first page is filled now; the others when first shown or needed (buildPageContents).
    pages->addTab(new FittingScrollArea(buildMiscPage(), both), "Miscellaneous");
    pages->addTab(new FittingScrollArea(makePageShell(kPageNames[kMapPage]), both), "Advance Map");
    pages->addTab(new FittingScrollArea(makePageShell(kPageNames[kN2oPage]), both),
                  "N2O Controller");
    pages->addTab(new FittingScrollArea(makePageShell(kPageNames[kServoPage]), both), "Servo");
    body->addWidget(pages, 1);
    auto* monitorArea = new FittingScrollArea(buildMonitor(), Qt::Vertical, central);
    monitorArea->setObjectName("ScrollMonitor");
    body->addWidget(monitorArea);
    outer->addLayout(body, 1);

    // Message line, progress bar, file and unit version.
    auto* bottom = new QHBoxLayout;
    auto* message = makeLabel(central, "LabelHlaseni", QString());
    QFont bold = message->font();
    bold.setBold(true);
    message->setFont(bold);
    message->setAutoFillBackground(true);
    // The bottom row gives way on a narrow screen, the file path first: the message (at its
    // widest "Programmier. Fehler") keeps the width of its text, 260 and more where there is room.
    keepPlaceWhenHidden(message);
    bottom->addWidget(message, 2);
    // Shown beside a verify error: opens the difference report.
    auto* differences = makeButton(central, "ButtonDifferences", "Differences...");
    keepPlaceWhenHidden(differences); // the bar and the file label stay where they are
    differences->hide();
    bottom->addWidget(differences);
    auto* progress = makeGauge(central, "CGauge", 297);
    progress->setMinimumWidth(100);
    progress->setMaximumWidth(297);
    progress->setShowText(true);
    progress->setForeColor(QColor(0x00, 0xFF, 0xFF));
    progress->setMaxValue(5);
    keepPlaceWhenHidden(progress); // the file label must not jump when the bar hides
    bottom->addWidget(progress, 2);
    bottom->addSpacing(12);
    bottom->addWidget(makeLabel(central, "LabelFile1", "File:"));
    // The path elided in the middle to the room left, the whole path in its tool tip.
    auto* file = new PathLabel(central);
    file->setObjectName("LabelFile2");
    file->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bottom->addWidget(file, 3); // the path takes most of the room the message leaves
    for (int i = 1; i <= 3; ++i) {
        auto* v = makeLabel(central, qPrintable(QString("LabelVerze%1").arg(i)), QString());
        v->setMinimumWidth(i == 1 ? 110 : 70);
        bottom->addWidget(v);
    }
    outer->addLayout(bottom);

    auto* status = new QStatusBar(&window);
    status->setObjectName("StatusBar1");
    window.setStatusBar(status);
}

void addSetStatusLabels(QStatusBar& bar) {
    auto* locked = makeLabel(&bar, "LabelSetLocked", QString());
    bar.addPermanentWidget(locked);
    locked->hide();
    bar.addPermanentWidget(makeLabel(&bar, "LabelUnsaved", QString()));
}

} // namespace vortan
