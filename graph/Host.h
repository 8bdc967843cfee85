// SPDX-License-Identifier: MIT
// What the engine asks of the platform: the message pump of the cancel poll, the beep, the
// millisecond tick count and the busy cursor.
#pragma once

#include <cstdint>

class Host {
public:
  virtual ~Host() = default;
  // Lets the window process its pending input (the cancel poll).
  virtual void processEvents() {}
  virtual void beep() {}
  // Milliseconds from some fixed start, as a 32-bit counter would give them.
  virtual std::uint32_t tickCount();
  virtual void setBusyCursor(bool /*busy*/) {}
};

// A host that does nothing but count time; the default for tests and the command line.
Host& silentHost();
