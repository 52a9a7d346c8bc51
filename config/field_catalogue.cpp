#include "config/field_catalogue.h"

#include <algorithm>

namespace tqr417 {

namespace {
using namespace fields;
constexpr const FieldInfo* kAll[] = {
    &toneMode,      &ctcssToneMode,   &lineDtmfDisable,  &audioLoopback,   &repeaterMode,
    &revertToR1,    &pttToneOnly,     &pttRelayOption,   &monRelayMode,    &monMomentaryMs,
    &errorBeeps,    &pttFrequency,    &sidetoneGain,     &radioTxGain,     &lineTxGain,
    &ctcssGain,     &morseAutoMode,   &morseIntervalMin, &morseFreq,       &morseGain,
    &morseText,     &txAgc,           &txAddCtcss,       &txPreEmphasis,   &txLowPass,
    &voxLevel,      &voxTimeoutSec,   &callTimeoutMin,   &holdToneAlways,  &phoneInstalled,
    &dig5Enable,    &dig5ActiveHigh,  &dig5R1,           &dig5R2,          &dig5ToneFreq,
    &dig5ToneLevel, &dig5OnMs,        &dig5OffMs,        &dig4Enable,      &dig4ActiveHigh,
    &dig4RxMute,    &dig4RevertF1,    &dig4RevertSec,    &dig4R1,          &dig4R2,
    &toneActive,    &relay,           &relayGroup,       &relayDurationMs, &digitalOutput,
    &ctcssCode,     &useDefaultCtcss,
};
}  // namespace

std::span<const FieldInfo* const> AllFields() { return kAll; }

const FieldInfo* FindField(std::string_view name) {
  auto it = std::find_if(std::begin(kAll), std::end(kAll),
                         [name](const FieldInfo* f) { return f->name == name; });
  return it == std::end(kAll) ? nullptr : *it;
}

}  // namespace tqr417
