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
namespace f = fields;
inline constexpr WordSign kUnsigned = WordSign::kUnsigned;

inline constexpr FrameItem kHeader[] = {
    {&f::toneMode, W::kByte, C::kPlain},
    {&f::monRelayMode, W::kByte, C::kPlain},
    {&f::monMomentaryMs, W::kWord, C::kPlain, kUnsigned},
    {&f::ctcssToneMode, W::kByte, C::kPlain},
    {&f::pttRelayOption, W::kByte, C::kPlain},
    {&f::repeaterMode, W::kWord, C::kPlain},
    {&f::revertToR1, W::kWord, C::kPlain},
};

inline constexpr FrameItem kEntry[] = {
    {&f::relayDurationMs, W::kWord, C::kPlain}, {&f::relay, W::kByte, C::kRelayLabel},
    {&f::toneActive, W::kByte, C::kPlain},      {&f::relayGroup, W::kByte, C::kPlain},
    {&f::digitalOutput, W::kByte, C::kPlain},   {&f::ctcssCode, W::kByte, C::kPlain},
    {&f::useDefaultCtcss, W::kByte, C::kPlain},
};

inline constexpr FrameItem kSettings[] = {
    {&f::sidetoneGain, W::kWord, C::kPlain},
    {&f::radioTxGain, W::kWord, C::kPlain},
    {&f::lineTxGain, W::kWord, C::kPlain},
    {&f::ctcssGain, W::kWord, C::kPlain},
    {&f::pttFrequency, W::kWord, C::kPttFrequency},
    {&f::audioLoopback, W::kWord, C::kPlain},
    {&f::lineDtmfDisable, W::kWord, C::kPlain},
    {&f::dig5Enable, W::kWord, C::kPlain},
    {&f::dig5ActiveHigh, W::kWord, C::kPlain},
    {&f::dig5ToneLevel, W::kWord, C::kPlain},
    {&f::dig5ToneFreq, W::kWord, C::kPlain},
    {&f::dig5OnMs, W::kWord, C::kPlain, kUnsigned},
    {&f::dig5OffMs, W::kWord, C::kPlain, kUnsigned},
    {&f::dig5R1, W::kWord, C::kPlain},
    {&f::dig5R2, W::kWord, C::kPlain},
    {&f::morseAutoMode, W::kWord, C::kPlain},
    {&f::morseIntervalMin, W::kWord, C::kMinutesAsSeconds},
    {&f::morseFreq, W::kWord, C::kMorseFrequency},
    {&f::morseGain, W::kWord, C::kPlain},
    {&f::txAddCtcss, W::kWord, C::kPlain},
    {&f::txAgc, W::kWord, C::kPlain},
    {&f::txPreEmphasis, W::kWord, C::kPlain},
    {&f::txLowPass, W::kWord, C::kPlain},
    {&f::voxLevel, W::kWord, C::kPlain},
    {&f::phoneInstalled, W::kWord, C::kPlain},
    {&f::voxTimeoutSec, W::kWord, C::kPlain},
    {&f::callTimeoutMin, W::kWord, C::kMinutesAsSeconds, kUnsigned},
    {&f::holdToneAlways, W::kWord, C::kPlain},
    {&f::pttToneOnly, W::kWord, C::kPlain},
    {&f::dig4RxMute, W::kWord, C::kPlain},
    {&f::dig4ActiveHigh, W::kWord, C::kPlain},
    {&f::dig4RevertF1, W::kWord, C::kPlain},
    {&f::dig4RevertSec, W::kWord, C::kPlain},
    {&f::dig4Enable, W::kWord, C::kPlain},
    {&f::dig4R1, W::kWord, C::kPlain},
    {&f::dig4R2, W::kWord, C::kPlain},
    {&f::errorBeeps, W::kWord, C::kPlain},
};

inline constexpr FrameItem kMorse{&f::morseText, W::kMorseText, C::kMorseText};
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
