// Drives modal dialogs in tests: scripted handlers and a rejecting fallback.
#include "modal_script.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane::testing {

ModalScript::ModalScript(int timeoutMs) : timeoutMs_(timeoutMs) {
    poll_.setInterval(10);
    QObject::connect(&poll_, &QTimer::timeout, [this] { poll(); });
    poll_.start();
}

ModalScript::~ModalScript() {
    poll_.stop();
}

ModalScript& ModalScript::then(Handler handler) {
    handlers_.push_back(std::move(handler));
    return *this;
}

void ModalScript::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    rejectIfStuck(modal);
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

void ModalScript::rejectIfStuck(QWidget* modal) {
    if (modal != active_) {
        active_ = modal;
        activeSince_.start();
        return;
    }
    if (!modal || activeSince_.elapsed() < timeoutMs_) return;
    ADD_FAILURE() << "a modal window was left open: " << modal->windowTitle().toStdString();
    active_ = nullptr;
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
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
