// Drives modal dialogs in tests: scripted handlers and a rejecting fallback.
#include "modal_script.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane::testing {

ModalScript::ModalScript(int timeoutMs) {
    poll_.setInterval(10);
    QObject::connect(&poll_, &QTimer::timeout, [this] { poll(); });
    poll_.start();
    fallback_.setSingleShot(false);
    fallback_.setInterval(timeoutMs);
    QObject::connect(&fallback_, &QTimer::timeout, [this] { rejectAll(); });
    fallback_.start();
}

ModalScript::~ModalScript() {
    poll_.stop();
    fallback_.stop();
}

ModalScript& ModalScript::then(Handler handler) {
    handlers_.push_back(std::move(handler));
    return *this;
}

void ModalScript::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || handlers_.empty() || !modal->isVisible()) return;
    for (const QPointer<QWidget>& seen : handled_)
        if (seen == modal) return;
    handled_.emplace_back(modal);
    Handler handler = std::move(handlers_.front());
    handlers_.pop_front();
    QPointer<QWidget> guarded(modal);
    QTimer::singleShot(0, [handler, guarded] {
        if (guarded) handler(guarded.data());
    });
}

void ModalScript::rejectAll() {
    for (int i = 0; i < 20; ++i) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        ADD_FAILURE() << "a modal window was left open: " << modal->windowTitle().toStdString();
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    }
}

bool waitUntil(const std::function<bool()>& predicate, int timeoutMs) {
    return QTest::qWaitFor(predicate, timeoutMs);
}

void clickLater(QWidget* dialog, const char* name) {
    QPointer<QAbstractButton> button =
        dialog->findChild<QAbstractButton*>(QString::fromLatin1(name));
    EXPECT_TRUE(button) << "no button " << name;
    QTimer::singleShot(0, [button] {
        if (button) button->click();
    });
}

} // namespace corvane::testing
