#pragma once
// Answers to the window's modal dialogs, given as a tuner gives them: set up before the menu
// item is triggered, they act once the dialog is open. No dialog open: nothing happens.

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace devtest {

// The next modal dialog: filled in by `fill`, then its OK, Open or Save clicked; one still
// open afterwards is cancelled, so that no test waits for a hand.
inline void answerDialog(std::function<void(QWidget*)> fill) {
    QTimer::singleShot(0, [fill] {
        QWidget* dialog = QApplication::activeModalWidget();
        // Active, so that the name field has the focus and takes the keys.
        if (!dialog || !QTest::qWaitFor([dialog] { return dialog->isActiveWindow(); }))
            return;
        fill(dialog);
        auto* box = dialog->findChild<QDialogButtonBox*>();
        for (QAbstractButton* b : box->buttons())
            if (box->buttonRole(b) == QDialogButtonBox::AcceptRole)
                QTest::mouseClick(b, Qt::LeftButton);
        if (QApplication::activeModalWidget() == dialog)
            dialog->close();
    });
}

// A file dialog: `path` typed as the file's name (then Open or Save: a Return would go to the
// name completer's list first); `accepting` runs just before that click.
inline void answerFileDialog(const QString& path, std::function<void()> accepting = {}) {
    answerDialog([path, accepting](QWidget* dialog) {
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        name->clear();
        QTest::keyClicks(name, path);
        if (accepting)
            accepting();
    });
}

// Port settings: the devices typed for COM1, COM2, ...
inline void answerPortSettings(const QStringList& devices) {
    answerDialog([devices](QWidget* dialog) {
        for (int i = 0; i < devices.size(); ++i) {
            auto* path =
                dialog->findChild<QComboBox*>(QString("PortPath%1").arg(i + 1))->lineEdit();
            path->selectAll();
            QTest::keyClicks(path, devices[i]);
        }
    });
}

} // namespace devtest
