#include "link/byte_channel.h"

#include <utility>

namespace tqr417 {

uint16_t ByteChannel::ReadWord() {
  const uint16_t high = ReadByte();
  if (high == NO_DATA) return NO_DATA;
  const uint16_t low = ReadByte();
  if (low == NO_DATA) return NO_DATA;
  return static_cast<uint16_t>(high << 8 | low);
}

bool ByteChannel::WriteByte(int value) {
  const uint8_t byte = static_cast<uint8_t>(value);
  return Write(std::span<const uint8_t>(&byte, 1));
}

bool ByteChannel::WriteWord(int value) {
  const uint8_t bytes[2] = {static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)};
  return Write(bytes);
}

bool ByteChannel::Fail(Status failure) {
  if (failure_.ok()) failure_ = std::move(failure);
  return false;
}

}  // namespace tqr417
