// SPDX-License-Identifier: MIT
// The window's host: pending events, beep and hourglass through Qt.
#include "ui/WindowHost.h"

#include <QApplication>
#include <QCursor>

// The cancel poll comes once per cell, thousands of times a frame; the window needs its input
// and a repaint only at the display's pace, and a repaint of the whole picture per cell was
// most of the time a Draw took.
void WindowHost::processEvents() {
  if (m_sincePump.isValid() && m_sincePump.elapsed() < PumpIntervalMilliseconds) return;
  if (m_beforeEvents) m_beforeEvents();
  QCoreApplication::processEvents();
  m_sincePump.start();
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
