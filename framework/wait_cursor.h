#pragma once
// CWaitCursor: the wait cursor for a long command, and no user input while it lasts.
//
// While the object lives the application shows the wait cursor and drops every key and mouse
// event and every click on a window's close box, so the technician cannot start or end
// anything else. Run() carries out blocking work (a transfer over the serial line) on a
// helper thread while this thread keeps repainting the windows; the work must not touch
// controls.

#include <chrono>
#include <future>
#include <thread>
#include <utility>

class CWaitCursor {
 public:
  CWaitCursor();
  ~CWaitCursor();
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;

  // Processes pending paint and timer events; input is dropped.
  static void KeepPainting();

  // Runs `work` to its end on a helper thread, keeping the windows painted meanwhile, and
  // returns its result.
  template <typename Work>
  static auto Run(Work&& work) -> decltype(work()) {
    auto task = std::async(std::launch::async, std::forward<Work>(work));
    while (task.wait_for(std::chrono::milliseconds(15)) != std::future_status::ready) {
      KeepPainting();
    }
    return task.get();
  }

  // Number of input events dropped since the first wait cursor of the run; for tests.
  static int DroppedInputEvents();
};
