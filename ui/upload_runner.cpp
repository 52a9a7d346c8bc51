#include "ui/upload_runner.h"

#include <chrono>
#include <future>

#include "framework/wait_cursor.h"

namespace tqr417::ui {
namespace {

// Keeps the windows painted until `future` is ready or `other` is.
template <typename A, typename B>
void PaintUntilEither(A& future, B& other) {
  using std::chrono::milliseconds;
  while (future.wait_for(milliseconds(15)) != std::future_status::ready &&
         other.wait_for(milliseconds(0)) != std::future_status::ready) {
    CWaitCursor::KeepPainting();
  }
}

}  // namespace

void RunUpload(const UnitConfig& config, const PortSelection& port,
               const std::function<void(const TransferResult&)>& report) {
  std::promise<TransferResult> reported;
  std::future<TransferResult> handedOver = reported.get_future();
  std::promise<void> shown;
  std::shared_future<void> reportShown = shown.get_future().share();

  // The helper thread hands the result over and waits, port still open, until it has been
  // shown; then the upload closes the port.
  auto transfer = std::async(std::launch::async, [&config, &port, &reported, reportShown] {
    return Upload(config, port, [&reported, reportShown](const TransferResult& result) {
      reported.set_value(result);
      reportShown.wait();
    });
  });

  {
    CWaitCursor wait;
    PaintUntilEither(handedOver, transfer);
  }
  const bool wasHandedOver =
      handedOver.wait_for(std::chrono::milliseconds(0)) == std::future_status::ready;
  if (!wasHandedOver) {
    shown.set_value();
    report(transfer.get());
    return;
  }
  {
    // Lets the helper thread go on however the report ends.
    struct ReleaseOnExit {
      std::promise<void>& shown;
      ~ReleaseOnExit() { shown.set_value(); }
    } release{shown};
    report(handedOver.get());
  }

  CWaitCursor closing;
  PaintUntilEither(transfer, transfer);
  transfer.get();
}

}  // namespace tqr417::ui
