#pragma once
// Reads a line trace (link/line_trace.h) back by its documented format, as someone reading a
// trace would: its lines, and the bytes of one direction in order.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tqr417::test_support {

struct TraceLine {
  double ms = 0;
  std::string event;
  std::string details;
};

inline std::vector<TraceLine> ReadTrace(const std::string& path) {
  std::vector<TraceLine> lines;
  std::ifstream in(path);
  std::string text;
  while (std::getline(in, text)) {
    std::istringstream fields(text);
    TraceLine line;
    fields >> line.ms >> line.event;
    std::getline(fields >> std::ws, line.details);
    lines.push_back(line);
  }
  return lines;
}

// The bytes of every line of `event` ("sent" or "recv"), in order. Each line must begin at
// the offset where the one before ended and hold 1 to 16 bytes.
inline std::vector<uint8_t> TracedBytes(const std::vector<TraceLine>& lines,
                                        const std::string& event) {
  std::vector<uint8_t> bytes;
  for (const TraceLine& line : lines) {
    if (line.event != event) continue;
    std::istringstream fields(line.details);
    int offset = -1;
    char colon = 0;
    fields >> offset >> colon;
    EXPECT_EQ(offset, static_cast<int>(bytes.size())) << line.details;
    EXPECT_EQ(colon, ':') << line.details;
    size_t count = 0;
    for (unsigned byte = 0; fields >> std::hex >> byte; ++count) {
      bytes.push_back(static_cast<uint8_t>(byte));
    }
    EXPECT_TRUE(count >= 1 && count <= 16) << line.details;
  }
  return bytes;
}

// The events of `lines` in order, e.g. {"open", "sent", ..., "close"}.
inline std::vector<std::string> TraceEvents(const std::vector<TraceLine>& lines) {
  std::vector<std::string> events;
  for (const TraceLine& line : lines) events.push_back(line.event);
  return events;
}

}  // namespace tqr417::test_support
