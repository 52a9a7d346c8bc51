#pragma once
// ScriptedPortOpener: a PortOpener for window tests. Every port it opens is a view of its one
// ScriptedChannel, which keeps what was written after the port is closed; it can refuse every
// open, and it knows whether a port it gave is still open.

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "link/port_opener.h"
#include "tests/support/scripted_channel.h"

namespace tqr417 {

class ScriptedPortOpener : public PortOpener {
 public:
  OpenedPort Open(ComPort port, int outputQueueSize) override {
    opened.push_back(port);
    queueSizes.push_back(outputQueueSize);
    if (!refusal.ok()) return {nullptr, refusal};
    if (held) return {nullptr, Status::Error(StatusCode::kIoError, "The port is in use")};
    held = true;
    return {std::make_unique<Port>(*this), Status::Ok()};
  }

  std::string PortLabel(ComPort port) const override {
    return std::string(PortName(port)) + " (scripted line)";
  }

  ScriptedChannel channel;               // what every opened port serves and records
  Status refusal;                        // when not ok, every open fails with it
  std::chrono::milliseconds sendTime{};  // how long the bytes take to leave the line
  bool held = false;                     // a port it opened is still open
  std::vector<ComPort> opened;           // the ports asked for, in order
  std::vector<int> queueSizes;           // the output queue of each open

 private:
  // One open port: passes everything to the shared channel, and its line failure back.
  class Port : public ByteChannel {
   public:
    explicit Port(ScriptedPortOpener& opener) : opener_(opener) {}
    ~Port() override { opener_.held = false; }
    uint16_t ReadByte() override { return Keep(opener_.channel.ReadByte()); }
    bool Write(std::span<const uint8_t> bytes) override {
      return Keep(opener_.channel.Write(bytes));
    }
    bool WaitUntilSent() override {
      std::this_thread::sleep_for(opener_.sendTime);
      return Keep(opener_.channel.WaitUntilSent());
    }

   private:
    template <typename T>
    T Keep(T result) {
      if (!opener_.channel.LineWorks()) Fail(opener_.channel.LineFailure());
      return result;
    }
    ScriptedPortOpener& opener_;
  };
};

}  // namespace tqr417
