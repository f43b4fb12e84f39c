#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <utility>

// Fails the test on a modal box it did not expect instead of hanging in it, and closes an
// expected one after noting its title and text (and, if asked, pressing Ctrl+C in it).
class ModalWatch {
public:
    ModalWatch() {
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] { closeModal(); });
        timer_.start();
    }

    void expectErrorBox(bool pressCopy = false) {
        expected_ = true;
        pressCopy_ = pressCopy;
    }
    // The texts of the error boxes closed since the last call, "title|text" each.
    QStringList takeSeen() { return std::exchange(seen_, {}); }
    QStringList unexpected() const { return unexpected_; }

private:
    void closeModal() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        if (!expected_) unexpected_ << box->text();
        if (pressCopy_) QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        seen_ << box->windowTitle() + "|" + box->text();
        expected_ = pressCopy_ = false;
        box->done(QMessageBox::Ok);
    }

    QTimer timer_;
    bool expected_ = false;
    bool pressCopy_ = false;
    QStringList seen_;
    QStringList unexpected_;
};
