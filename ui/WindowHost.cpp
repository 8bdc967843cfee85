// SPDX-License-Identifier: MIT
// The window's host: pending events, beep and hourglass through Qt.
#include "ui/WindowHost.h"

#include <QApplication>
#include <QCursor>

void WindowHost::processEvents() {
  if (m_beforeEvents) m_beforeEvents();
  QCoreApplication::processEvents();
}

void WindowHost::beep() {
  QApplication::beep();
}

void WindowHost::setBusyCursor(bool busy) {
  // Override cursors stack; keep exactly one of ours on the stack at most.
  if (busy == m_busy) return;
  m_busy = busy;
  if (busy)
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  else
    QApplication::restoreOverrideCursor();
}
