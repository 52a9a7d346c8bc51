#pragma once
// The order, width and conversion of every item of the configuration frame. The encoder and
// the decoder both walk this one list (WalkFrame), so the two directions cannot drift apart.
//
//   offset  width  item
//        0  byte   toneMode
//        1  byte   monRelayMode
//        2  word   monMomentaryMs            (unsigned on reception)
//        4  byte   ctcssToneMode
//        5  byte   pttRelayOption
//        6  word   repeaterMode
//        8  word   revertToR1
//   10+8i   entry i, i = 0..99:
//           +0 word relayDurationMs, +2 byte relay number, +3 byte toneActive,
//           +4 byte relayGroup, +5 byte digitalOutput, +6 byte ctcssCode,
//           +7 byte useDefaultCtcss
//      810  37 settings words, in kSettings order
//      884  50 bytes Morse text, zero-filled
//      934  word   checksum: low 16 bits of the running sum
//
// Bytes carry the low 8 bits of the converted value, words the low 16 bits, high byte first.
// Received bytes read as 0..255 and received words as signed 16-bit values, except the four
// words whose values may exceed 32767 (monMomentaryMs, dig5OnMs, dig5OffMs and the seconds
// of callTimeoutMin), which read back as 0..65535.

#include <span>

#include "config/field_catalogue.h"

namespace tqr417 {

enum class FrameWidth { kByte, kWord, kMorseText };

// How a received word is widened before it is converted back.
enum class WordSign { kSigned, kUnsigned };

enum class FrameConversion {
  kPlain,             // the field's number as it stands
  kMinutesAsSeconds,  // minutes x 60 on the line; reads back divided by 60, truncated
  kMorseFrequency,    // Hz x MORSE_FREQ_SCALE truncated; reads back / MORSE_FREQ_SCALE truncated
  kPttFrequency,      // the text's atoi value; reads back as its decimal text
  kRelayLabel,        // RelayNumberFromLabel; reads back as "" or FormatEntryLabel(n, 'R')
  kMorseText,         // the characters, then zero bytes up to 50
};

struct FrameItem {
  const FieldInfo* field;
  FrameWidth width;
  FrameConversion conversion;
  WordSign sign = WordSign::kSigned;
};

namespace frame_items {
using W = FrameWidth;
using C = FrameConversion;
inline constexpr WordSign kUnsigned = WordSign::kUnsigned;

inline constexpr FrameItem kHeader[] = {
    {&Field("toneMode"), W::kByte, C::kPlain},
    {&Field("monRelayMode"), W::kByte, C::kPlain},
    {&Field("monMomentaryMs"), W::kWord, C::kPlain, kUnsigned},
    {&Field("ctcssToneMode"), W::kByte, C::kPlain},
    {&Field("pttRelayOption"), W::kByte, C::kPlain},
    {&Field("repeaterMode"), W::kWord, C::kPlain},
    {&Field("revertToR1"), W::kWord, C::kPlain},
};

inline constexpr FrameItem kEntry[] = {
    {&Field("relayDurationMs"), W::kWord, C::kPlain}, {&Field("relay"), W::kByte, C::kRelayLabel},
    {&Field("toneActive"), W::kByte, C::kPlain},      {&Field("relayGroup"), W::kByte, C::kPlain},
    {&Field("digitalOutput"), W::kByte, C::kPlain},   {&Field("ctcssCode"), W::kByte, C::kPlain},
    {&Field("useDefaultCtcss"), W::kByte, C::kPlain},
};

inline constexpr FrameItem kSettings[] = {
    {&Field("sidetoneGain"), W::kWord, C::kPlain},
    {&Field("radioTxGain"), W::kWord, C::kPlain},
    {&Field("lineTxGain"), W::kWord, C::kPlain},
    {&Field("ctcssGain"), W::kWord, C::kPlain},
    {&Field("pttFrequency"), W::kWord, C::kPttFrequency},
    {&Field("audioLoopback"), W::kWord, C::kPlain},
    {&Field("lineDtmfDisable"), W::kWord, C::kPlain},
    {&Field("dig5Enable"), W::kWord, C::kPlain},
    {&Field("dig5ActiveHigh"), W::kWord, C::kPlain},
    {&Field("dig5ToneLevel"), W::kWord, C::kPlain},
    {&Field("dig5ToneFreq"), W::kWord, C::kPlain},
    {&Field("dig5OnMs"), W::kWord, C::kPlain, kUnsigned},
    {&Field("dig5OffMs"), W::kWord, C::kPlain, kUnsigned},
    {&Field("dig5R1"), W::kWord, C::kPlain},
    {&Field("dig5R2"), W::kWord, C::kPlain},
    {&Field("morseAutoMode"), W::kWord, C::kPlain},
    {&Field("morseIntervalMin"), W::kWord, C::kMinutesAsSeconds},
    {&Field("morseFreq"), W::kWord, C::kMorseFrequency},
    {&Field("morseGain"), W::kWord, C::kPlain},
    {&Field("txAddCtcss"), W::kWord, C::kPlain},
    {&Field("txAgc"), W::kWord, C::kPlain},
    {&Field("txPreEmphasis"), W::kWord, C::kPlain},
    {&Field("txLowPass"), W::kWord, C::kPlain},
    {&Field("voxLevel"), W::kWord, C::kPlain},
    {&Field("phoneInstalled"), W::kWord, C::kPlain},
    {&Field("voxTimeoutSec"), W::kWord, C::kPlain},
    {&Field("callTimeoutMin"), W::kWord, C::kMinutesAsSeconds, kUnsigned},
    {&Field("holdToneAlways"), W::kWord, C::kPlain},
    {&Field("pttToneOnly"), W::kWord, C::kPlain},
    {&Field("dig4RxMute"), W::kWord, C::kPlain},
    {&Field("dig4ActiveHigh"), W::kWord, C::kPlain},
    {&Field("dig4RevertF1"), W::kWord, C::kPlain},
    {&Field("dig4RevertSec"), W::kWord, C::kPlain},
    {&Field("dig4Enable"), W::kWord, C::kPlain},
    {&Field("dig4R1"), W::kWord, C::kPlain},
    {&Field("dig4R2"), W::kWord, C::kPlain},
    {&Field("errorBeeps"), W::kWord, C::kPlain},
};

inline constexpr FrameItem kMorse{&Field("morseText"), W::kMorseText, C::kMorseText};
}  // namespace frame_items

// Calls visit(item, entry) for every item of the frame in order, checksum excluded.
// `entry` is the function table entry for the entry items, 0 for the others.
template <typename Visit>
void WalkFrame(Visit&& visit) {
  for (const FrameItem& item : frame_items::kHeader) visit(item, 0);
  for (int entry = 0; entry < kEntryCount; ++entry) {
    for (const FrameItem& item : frame_items::kEntry) visit(item, entry);
  }
  for (const FrameItem& item : frame_items::kSettings) visit(item, 0);
  visit(frame_items::kMorse, 0);
}

}  // namespace tqr417
