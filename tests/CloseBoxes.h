#pragma once
// Answers the boxes of the main window's close as a user does: each box that opens gets the
// next answer, a click on the button with that text (after a click on its check box when the
// answer asks for it). The texts of the boxes answered are kept.

#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

struct CloseAnswer {
    QString button;
    bool tickCheckBox = false;
};

class CloseBoxes {
public:
    explicit CloseBoxes(QList<CloseAnswer> answers) : answers_(std::move(answers)) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start();
    }
    QStringList texts;  // of the boxes answered, in order
    QStringList missed; // buttons that were not in their box

private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box->objectName() != "CloseQuestion" || answers_.isEmpty() || box == last_)
            return;
        last_ = box;
        const CloseAnswer a = answers_.takeFirst();
        texts << box->text();
        if (a.tickCheckBox && box->checkBox())
            QTest::mouseClick(box->checkBox(), Qt::LeftButton, {},
                              QPoint(4, box->checkBox()->height() / 2));
        for (QAbstractButton* b : box->buttons())
            if (b->text() == a.button) {
                QTest::mouseClick(b, Qt::LeftButton);
                return;
            }
        missed << a.button;
        box->reject();
    }
    QList<CloseAnswer> answers_;
    QTimer timer_;
    QPointer<QMessageBox> last_; // answered, until it has gone
};
