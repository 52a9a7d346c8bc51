#pragma once
// What a .417 file gives back of a text written into one of its text fields. A relay label is
// read back as one word, and the word the file writes for no relay as no label; the Morse
// text from its first character that is not white space to the end of its line, at most
// kMorseTextMaxChars of it; the PTT frequency as its whole number. The writer, import and
// set all ask here.

#include <string>
#include <string_view>

#include "config/field_catalogue.h"

namespace tqr417 {

struct FileTextCheck {
  // Why the file would not give the text back as it stands, as the end of a sentence ("holds
  // white space, ..."); empty when it would.
  std::string why;
  // Why writing the text would spoil the file itself, in the same words; empty when it would
  // not. White space in a relay label would end it early and shift every later value onto
  // the wrong field; a line break would cut the Morse text and start a line of its own. Any
  // other difference only changes the text read back.
  std::string spoils;
};

FileTextCheck WhyFileCannotHold(const FieldInfo& field, std::string_view text);

}  // namespace tqr417
