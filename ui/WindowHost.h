// SPDX-License-Identifier: MIT
// The host the window gives the engine: Qt's message pump, the system beep, the busy cursor.
#pragma once

#include "graph/Host.h"

#include <functional>

class WindowHost : public Host {
public:
  void processEvents() override;
  void beep() override;
  void setBusyCursor(bool busy) override;

  // Runs before each pump, so that the picture box shows the progress of a draw.
  void setBeforeEvents(std::function<void()> hook) { m_beforeEvents = std::move(hook); }

private:
  std::function<void()> m_beforeEvents;
  bool m_busy = false;
};
