#include "app/WindowControls.h"

#include "app/FindChild.h"
#include "controls/CGauge.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace vortan {

void WindowControls::find(QWidget* window) {
    labelHlaseni = requiredChild<QLabel>(window, "LabelHlaseni");
    buttonDifferences = requiredChild<QPushButton>(window, "ButtonDifferences");
    labelSpojeni = requiredChild<QLabel>(window, "LabelSpojeni");
    labelFile2 = requiredChild<QLabel>(window, "LabelFile2");
    cGauge = requiredChild<TCGauge>(window, "CGauge");
    checkProgHned = requiredChild<QCheckBox>(window, "CheckBoxProgHned");
    checkExtMonitor = requiredChild<QCheckBox>(window, "CheckBoxExtMonitor");
    comboBox1 = requiredChild<QComboBox>(window, "ComboBox1");
    pageControl1 = requiredChild<QTabWidget>(window, "PageControl1");
    menuUndo = requiredChild<QAction>(window, "MenuUndo");
    menuRedo = requiredChild<QAction>(window, "MenuRedo");
    labelUnsaved = requiredChild<QLabel>(window, "LabelUnsaved");
    labelLocked = requiredChild<QLabel>(window, "LabelSetLocked");
    findPageControls(window);
}

void WindowControls::findPageControls(QWidget* window) {
    checkGas = window->findChild<QCheckBox*>("CheckBoxGas");
    groupPrivera = window->findChild<QWidget*>("GroupBoxPrivera");
    checkIgnAll = window->findChild<QCheckBox*>("CheckBoxIgnAll");
    checkPrivAll = window->findChild<QCheckBox*>("CheckBoxPrivAll");
}

} // namespace vortan
