// Small text services every screen uses: string-table texts with "%1"/"%2", trimming,
// counting and cutting UTF-8 texts by characters, and the plausibility tests for
// phone numbers and e-mail addresses.
#pragma once

#include <string>
#include <string_view>

namespace ambon {

// String id, or string id with its "%1" replaced by string second.
std::string loadText(int id);
std::string loadText(int id, int second);
// String id with "%1" := t1 (and "%2" := t2); the plain string when t1 is empty.
std::string formatText(const std::string& t1, int id);
std::string formatText(const std::string& t1, int id, const std::string& t2);
// Replaces every "%1" (and "%2") in a pattern.
std::string fillText(std::string pattern, const std::string& t1, const std::string* t2 = nullptr);

// Removes leading and trailing spaces in place; returns the text too.
std::string& trimBoth(std::string& text);
std::string trimmed(std::string_view text);
std::string trimmedRight(std::string_view text);

// Characters (code points) of a UTF-8 text, and its first n characters (never cut inside a
// sequence). In broken UTF-8 a cut sequence or a stray byte counts as one character.
std::size_t utf8Length(std::string_view text);
std::string utf8Left(std::string_view text, std::size_t n);

// At most 15 characters long and at least 7 after trimming.
bool looksLikePhone(const std::string& text);
// Longer than 3 characters and containing "@".
bool looksLikeEmail(const std::string& text);

}  // namespace ambon
