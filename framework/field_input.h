#pragma once
// What an edit field, or the edit field of a combo box, keeps of one input of the user's: a
// typed character or a paste. Both toolkits put everything the user enters through this rule;
// text the program sets is taken as it is.
//
// The members hold 8-bit text (Latin-1): a character beyond U+00FF would be stored as '?'
// while the field still showed it, so it is left out. A field that takes upper case turns the
// letters a to z into A to Z and leaves every other character as it is. A field holds one
// line: of a paste it takes the first line. An input of which nothing is kept is refused
// whole, and the field stays as it was.
//
// Text is in UTF-16 code units, as both toolkits hand it over: a character beyond the Basic
// Multilingual Plane is two units, both beyond U+00FF, so it is left out whole.

#include <optional>
#include <string>
#include <string_view>

namespace tqr417::fw {

// True when a member can hold `unit`.
bool MemberCanHold(char16_t unit);

// `text` up to its first line break: what a field takes of a paste.
std::u16string_view FirstLine(std::u16string_view text);

// The text that `input` puts into the field, nullopt when the field refuses it. A typed
// character is one input; control characters (Backspace, Enter) are kept for the field to act on.
std::optional<std::u16string> KeptInput(std::u16string_view input, bool upperCase);

}  // namespace tqr417::fw
