#include "link/config_frame.h"

#include <cmath>
#include <cstdint>

#include "config/text_number.h"
#include "link/frame_layout.h"

namespace tqr417 {

namespace {

// Values are combined in 32-bit unsigned arithmetic: the line carries only their low bits,
// and the checksum keeps only the low 16 bits of the sum, so wrapping loses nothing and
// avoids signed overflow on absurd values from a file.
uint32_t Wrap(int64_t value) { return static_cast<uint32_t>(value); }

int32_t MorseFrequencyOnLine(int hz) {
  return static_cast<int32_t>(Wrap(static_cast<int64_t>(std::trunc(hz * MORSE_FREQ_SCALE))));
}

// The integer an item contributes, before it is cut to a byte or a word.
int32_t SendValue(const FrameItem& item, const UnitConfig& config, int entry) {
  const FieldRef& ref = item.field->ref;
  switch (item.conversion) {
    case FrameConversion::kRelayLabel:
      return RelayNumberFromLabel(ref.Text(config, entry));
    case FrameConversion::kPttFrequency:
      return AtoiValue(ref.Text(config, entry));
    case FrameConversion::kMinutesAsSeconds:
      return static_cast<int32_t>(Wrap(int64_t{ref.Number(config, entry)} * 60));
    case FrameConversion::kMorseFrequency:
      return MorseFrequencyOnLine(ref.Number(config, entry));
    default:
      return ref.Number(config, entry);
  }
}

void StoreReceived(const FrameItem& item, int32_t value, UnitConfig& config, int entry) {
  const FieldRef& ref = item.field->ref;
  switch (item.conversion) {
    case FrameConversion::kRelayLabel:
      ref.Text(config, entry) = value == 0 ? std::string() : FormatEntryLabel(value, 'R');
      break;
    case FrameConversion::kPttFrequency:
      ref.Text(config, entry) = DecimalText(value);
      break;
    case FrameConversion::kMinutesAsSeconds:
      ref.Number(config, entry) = value / 60;
      break;
    case FrameConversion::kMorseFrequency:
      ref.Number(config, entry) = static_cast<int>(std::trunc(value / MORSE_FREQ_SCALE));
      break;
    default:
      ref.Number(config, entry) = value;
      break;
  }
}

}  // namespace

int RelayNumberFromLabel(const std::string& label) {
  if (label.empty()) return 0;
  return AtoiValue(" " + label.substr(1));
}

EncodedFrame EncodeFrame(const UnitConfig& config) {
  EncodedFrame frame;
  uint32_t sum = 0;
  size_t at = 0;
  WalkFrame([&](const FrameItem& item, int entry) {
    if (item.width == FrameWidth::kMorseText) {
      const std::string& text = item.field->ref.Text(config);
      for (int i = 0; i < MORSE_FIELD_LEN; ++i) {
        const auto byte = i < static_cast<int>(text.size()) ? static_cast<uint8_t>(text[i]) : 0;
        frame.bytes[at++] = byte;
        sum += Wrap(static_cast<int8_t>(byte));
      }
      return;
    }
    const uint32_t value = Wrap(SendValue(item, config, entry));
    sum += value;
    if (item.width == FrameWidth::kWord) frame.bytes[at++] = static_cast<uint8_t>(value >> 8);
    frame.bytes[at++] = static_cast<uint8_t>(value);
  });
  frame.bytes[at++] = static_cast<uint8_t>(sum >> 8);
  frame.bytes[at++] = static_cast<uint8_t>(sum);
  frame.sum = static_cast<int32_t>(sum);
  return frame;
}

DecodedFrame DecodeFrame(std::span<const uint8_t, FRAME_SIZE> bytes) {
  DecodedFrame decoded{};
  uint32_t sum = 0;
  size_t at = 0;
  WalkFrame([&](const FrameItem& item, int entry) {
    if (item.width == FrameWidth::kMorseText) {
      std::string text;
      bool ended = false;
      for (int i = 0; i < MORSE_FIELD_LEN; ++i) {
        const uint8_t byte = bytes[at++];
        sum += Wrap(static_cast<int8_t>(byte));
        ended = ended || byte == 0;
        if (!ended) text += static_cast<char>(byte);
      }
      item.field->ref.Text(decoded.config) = std::move(text);
      return;
    }
    int32_t value;
    if (item.width == FrameWidth::kByte) {
      value = bytes[at++];
    } else {
      const uint16_t word = static_cast<uint16_t>(bytes[at] << 8 | bytes[at + 1]);
      at += 2;
      value = item.sign == WordSign::kUnsigned ? word : static_cast<int16_t>(word);
    }
    sum += Wrap(value);
    StoreReceived(item, value, decoded.config, entry);
  });
  decoded.receivedChecksum = static_cast<uint16_t>(bytes[at] << 8 | bytes[at + 1]);
  decoded.computedChecksum = static_cast<uint16_t>(sum);
  return decoded;
}

}  // namespace tqr417
