#pragma once
// The lines of the configuration file, in order, each with its values and the separator
// between them. The writer and the reader both walk this one list (WalkFileLines), so the
// two directions cannot drift apart.
//
//   line      separator  values
//   1         2 blanks   toneMode repeaterMode revertToR1 monRelayMode monMomentaryMs
//                        ctcssToneMode pttRelayOption
//   2         2 blanks   sidetoneGain radioTxGain lineTxGain ctcssGain
//   3 + 2k               relay of entry k as one word, "none" when empty      (k = 0..99)
//   4 + 2k    1 blank    toneActive relayGroup relayDurationMs digitalOutput ctcssCode
//                        useDefaultCtcss of entry k                          (k = 0..99)
//   203       2 blanks   dig5Enable dig5ActiveHigh dig5ToneLevel dig5R1 dig5R2 audioLoopback
//                        lineDtmfDisable dig5ToneFreq dig5OnMs dig5OffMs
//   204       2 blanks   morseAutoMode morseIntervalMin morseGain morseFreq
//   205       2 blanks   txAddCtcss txAgc txPreEmphasis txLowPass
//   206       2 blanks   voxLevel phoneInstalled voxTimeoutSec callTimeoutMin holdToneAlways
//                        pttToneOnly
//   207       2 blanks   dig4RxMute dig4ActiveHigh dig4RevertF1 dig4RevertSec dig4Enable dig4R1
//                        dig4R2 errorBeeps pttFrequency
//   208                  morseText, the whole line (empty when the text is empty)
//
// Every line ends with CR LF. Numbers are plain decimal in the field's own unit: a minus sign
// before a negative number, no plus sign, no leading zeros, no blanks at the line's ends.
// The groups mix: audioLoopback, lineDtmfDisable, pttToneOnly, errorBeeps and pttFrequency
// belong to the main window yet stand among the dialog settings.

#include <span>
#include <string_view>

#include "config/field_catalogue.h"

namespace tqr417 {

enum class FileConversion {
  kNumber,        // the field's number
  kPttFrequency,  // the text's AtoiValue; reads back as its DecimalText
  kRelayWord,     // the label as one word, "none" when empty; the word "none" reads back empty
  kMorseLine,     // the text as the rest of the line; reads back at most kMorseTextMaxChars
};

struct FileItem {
  const FieldInfo* field;
  FileConversion conversion;
};

struct FileLine {
  std::span<const FileItem> items;
  std::string_view separator;  // between the values of the line
};

// The word that stands for an empty relay label.
inline constexpr std::string_view kNoRelayWord = "none";
inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr int kFileLineCount = 208;

namespace file_items {
using C = FileConversion;

inline constexpr FileItem kHeader[] = {
    {&Field("toneMode"), C::kNumber},       {&Field("repeaterMode"), C::kNumber},
    {&Field("revertToR1"), C::kNumber},     {&Field("monRelayMode"), C::kNumber},
    {&Field("monMomentaryMs"), C::kNumber}, {&Field("ctcssToneMode"), C::kNumber},
    {&Field("pttRelayOption"), C::kNumber},
};

inline constexpr FileItem kGains[] = {
    {&Field("sidetoneGain"), C::kNumber},
    {&Field("radioTxGain"), C::kNumber},
    {&Field("lineTxGain"), C::kNumber},
    {&Field("ctcssGain"), C::kNumber},
};

inline constexpr FileItem kRelayWord[] = {{&Field("relay"), C::kRelayWord}};

inline constexpr FileItem kEntryValues[] = {
    {&Field("toneActive"), C::kNumber},      {&Field("relayGroup"), C::kNumber},
    {&Field("relayDurationMs"), C::kNumber}, {&Field("digitalOutput"), C::kNumber},
    {&Field("ctcssCode"), C::kNumber},       {&Field("useDefaultCtcss"), C::kNumber},
};

inline constexpr FileItem kDig5[] = {
    {&Field("dig5Enable"), C::kNumber},      {&Field("dig5ActiveHigh"), C::kNumber},
    {&Field("dig5ToneLevel"), C::kNumber},   {&Field("dig5R1"), C::kNumber},
    {&Field("dig5R2"), C::kNumber},          {&Field("audioLoopback"), C::kNumber},
    {&Field("lineDtmfDisable"), C::kNumber}, {&Field("dig5ToneFreq"), C::kNumber},
    {&Field("dig5OnMs"), C::kNumber},        {&Field("dig5OffMs"), C::kNumber},
};

inline constexpr FileItem kMorse[] = {
    {&Field("morseAutoMode"), C::kNumber},
    {&Field("morseIntervalMin"), C::kNumber},
    {&Field("morseGain"), C::kNumber},
    {&Field("morseFreq"), C::kNumber},
};

inline constexpr FileItem kTxAudio[] = {
    {&Field("txAddCtcss"), C::kNumber},
    {&Field("txAgc"), C::kNumber},
    {&Field("txPreEmphasis"), C::kNumber},
    {&Field("txLowPass"), C::kNumber},
};

inline constexpr FileItem kVox[] = {
    {&Field("voxLevel"), C::kNumber},       {&Field("phoneInstalled"), C::kNumber},
    {&Field("voxTimeoutSec"), C::kNumber},  {&Field("callTimeoutMin"), C::kNumber},
    {&Field("holdToneAlways"), C::kNumber}, {&Field("pttToneOnly"), C::kNumber},
};

inline constexpr FileItem kDig4[] = {
    {&Field("dig4RxMute"), C::kNumber},
    {&Field("dig4ActiveHigh"), C::kNumber},
    {&Field("dig4RevertF1"), C::kNumber},
    {&Field("dig4RevertSec"), C::kNumber},
    {&Field("dig4Enable"), C::kNumber},
    {&Field("dig4R1"), C::kNumber},
    {&Field("dig4R2"), C::kNumber},
    {&Field("errorBeeps"), C::kNumber},
    {&Field("pttFrequency"), C::kPttFrequency},
};

inline constexpr FileItem kMorseTextLine[] = {{&Field("morseText"), C::kMorseLine}};

inline constexpr std::string_view kWide = "  ";
inline constexpr std::string_view kNarrow = " ";

inline constexpr FileLine kLeadingLines[] = {
    {kHeader, kWide},  // line 1
    {kGains, kWide},   // line 2
};

// Lines 3 + 2k and 4 + 2k, for entry k = 0 to 99.
inline constexpr FileLine kEntryLines[] = {
    {kRelayWord, kNarrow},
    {kEntryValues, kNarrow},
};

inline constexpr FileLine kTrailingLines[] = {
    {kDig5, kWide},             // line 203
    {kMorse, kWide},            // line 204
    {kTxAudio, kWide},          // line 205
    {kVox, kWide},              // line 206
    {kDig4, kWide},             // line 207
    {kMorseTextLine, kNarrow},  // line 208
};
}  // namespace file_items

// Calls visit(line, entry) for every line of the file in order; `entry` is the function table
// entry for the entry lines, 0 for the others.
template <typename Visit>
constexpr void WalkFileLines(Visit&& visit) {
  for (const FileLine& line : file_items::kLeadingLines) visit(line, 0);
  for (int entry = 0; entry < kEntryCount; ++entry) {
    for (const FileLine& line : file_items::kEntryLines) visit(line, entry);
  }
  for (const FileLine& line : file_items::kTrailingLines) visit(line, 0);
}

constexpr int CountFileLines() {
  int count = 0;
  WalkFileLines([&count](const FileLine&, int) { ++count; });
  return count;
}
static_assert(CountFileLines() == kFileLineCount);

}  // namespace tqr417
