#pragma once
// The controls of the main window that its views and commands touch, looked up once by their
// objectNames (the window builds them all; see app/FormBuilder.h).

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTimer;
class QWidget;

namespace vortan {

class TCGauge;

struct WindowControls {
    // Built with the window.
    QLabel* labelHlaseni = nullptr;           // the message label
    QPushButton* buttonDifferences = nullptr; // beside a verify error
    QLabel* labelSpojeni = nullptr;           // "No Connection"
    QLabel* labelFile2 = nullptr;             // the file the set came from
    TCGauge* cGauge = nullptr;                // the progress of an operation
    QCheckBox* checkProgHned = nullptr;       // programming after change
    QCheckBox* checkExtMonitor = nullptr;
    QComboBox* comboBox1 = nullptr; // the motorbike type
    QTabWidget* pageControl1 = nullptr;
    QAction* menuUndo = nullptr;
    QAction* menuRedo = nullptr;
    QLabel* labelUnsaved = nullptr; // the counts of the changes
    QLabel* labelLocked = nullptr;  // why the set is held
    QTimer* timer1 = nullptr;       // made by the window after the lookup
    // On the pages built later: null until then.
    QCheckBox* checkGas = nullptr;
    QWidget* groupPrivera = nullptr;
    QCheckBox* checkIgnAll = nullptr;
    QCheckBox* checkPrivAll = nullptr;

    // Looks up every control above under `window`; those of the window itself must exist.
    void find(QWidget* window);
    // Looks up the controls of the pages again, once one was built.
    void findPageControls(QWidget* window);
};

} // namespace vortan
