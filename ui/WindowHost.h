// SPDX-License-Identifier: MIT
// The host the window gives the engine: Qt's message pump, the system beep, the busy cursor.
#pragma once

#include "graph/Host.h"

#include <QElapsedTimer>

#include <functional>

class WindowHost : public Host {
public:
  // Input is taken and the picture repainted at most this often while the engine polls.
  static constexpr int PumpIntervalMilliseconds = 16;

  void processEvents() override;
  void beep() override;
  void setBusyCursor(bool busy) override;

  // Runs before each pump, so that the picture box shows the progress of a draw.
  void setBeforeEvents(std::function<void()> hook) { m_beforeEvents = std::move(hook); }

private:
  std::function<void()> m_beforeEvents;
  QElapsedTimer m_sincePump;
  bool m_busy = false;
};
