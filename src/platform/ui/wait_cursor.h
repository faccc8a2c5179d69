// The hourglass for the length of a scope, put back also when the scope is
// left by an error.
#pragma once

#include <QApplication>

namespace ui {

class TWaitCursor {
public:
    TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { Restore(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;

    // Puts the cursor back before the scope ends (once).
    void Restore() {
        if (m_active)
            QApplication::restoreOverrideCursor();
        m_active = false;
    }

private:
    bool m_active = true;
};

}  // namespace ui
