#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// Runs `open`, which is expected to show a modal window and wait for it, and closes that window
// from its own event loop. Returns false, instead of touching a window that is not there, when
// `open` came back without a modal window having been shown.
inline bool closeModalOpenedBy(const std::function<void()>& open) {
    const auto closed = std::make_shared<bool>(false);
    QTimer::singleShot(0, [closed] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
            *closed = true;
        }
    });
    open();
    // A window that was not modal let `open` return before the timer ran: run it now, so that it
    // cannot fire later in another test.
    QCoreApplication::processEvents();
    return *closed;
}
