#pragma once

#include <QApplication>

// Shows the busy pointer for as long as it lives, or until restore(): long operations run to the
// end on the one user-interface thread, and every way out of them must give the pointer back.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { restore(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    void restore() {
        if (active) {
            QApplication::restoreOverrideCursor();
            active = false;
        }
    }

private:
    bool active = true;
};
