// Helpers for the window tests: answering modal boxes and dialogs, dropping files.
#pragma once

#include <QApplication>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <functional>
#include <vector>

#include "watchdog.h"

namespace corvane::testing {

/// One message box seen by a ModalAnswerer.
struct SeenBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon;
};

/// Polls for modal windows while it lives: message boxes are recorded and confirmed, other
/// dialogs go to `onDialog` (which must close them). Each modal is handled once, told apart by a
/// mark it carries (a new box may open at the address of one just closed). Anything modal left
/// open longer than the fallback is rejected and counted as stuck, so a failed check can never
/// hang a test; the fallback is far beyond what a slow machine needs.
class ModalAnswerer {
  public:
    std::vector<SeenBox> boxes;
    std::function<void(QWidget*)> onDialog;
    int stuck = 0;

    explicit ModalAnswerer(int fallbackMs = WatchdogMs) : fallbackMs_(fallbackMs) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    QStringList texts() const {
        QStringList out;
        for (const auto& b : boxes) out << b.text;
        return out;
    }

  private:
    static constexpr const char* HandledMark = "corvaneTestHandled";

    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            seen_ = nullptr;
            return;
        }
        if (!modal->property(HandledMark).toBool()) {
            modal->setProperty(HandledMark, true);
            seen_ = modal;
            since_.start();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                boxes.push_back({box->windowTitle(), box->text(), box->icon()});
                QPointer<QMessageBox> guarded(box);
                QTimer::singleShot(0, box, [guarded] {
                    if (QAbstractButton* ok = guarded ? guarded->button(QMessageBox::Ok) : nullptr)
                        ok->click();
                });
                return;
            }
            if (onDialog) QTimer::singleShot(0, modal, [this, modal] { onDialog(modal); });
            return;
        }
        if (modal != seen_) { // an earlier modal shows again once the one over it closed
            seen_ = modal;
            since_.start();
        }
        if (since_.elapsed() > fallbackMs_) {
            ++stuck;
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
            seen_ = nullptr;
        }
    }

    QTimer timer_;
    QWidget* seen_ = nullptr; // the modal the fallback times; compared, never used
    QElapsedTimer since_;
    int fallbackMs_;
};

/// Delivers every event posted so far (zero timers, queued calls, drops' deferred loads): a
/// marker posted now runs after them.
inline bool flushPostedEvents() {
    bool reached = false;
    QTimer::singleShot(0, [&reached] { reached = true; });
    return QTest::qWaitFor([&reached] { return reached; }, WatchdogMs);
}

/// Drags `paths` onto the middle of the shown top-level `window` and drops them there.
inline void dropFiles(QWidget* window, const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
    data.setUrls(urls);
    const QPoint pos = window->rect().center();
    QDragEnterEvent enter(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window->windowHandle(), &enter);
    QDropEvent drop(QPointF(pos), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window->windowHandle(), &drop);
}

/// Queues a left click at `pos` of `widget`, to be delivered by the next event pump.
inline void postClick(QWidget* widget, QPoint pos) {
    const QPointF local(pos), global(widget->mapToGlobal(pos));
    QCoreApplication::postEvent(widget,
                                new QMouseEvent(QEvent::MouseButtonPress, local, global,
                                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(widget,
                                new QMouseEvent(QEvent::MouseButtonRelease, local, global,
                                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
}

} // namespace corvane::testing
