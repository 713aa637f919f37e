#pragma once
// The one converter between the core's CP932 text and UTF-8, used at the
// edges only (widgets, file-system paths, JSON output, the clipboard,
// imported text files, which may also come as UTF-16).
//
// A character CP932 cannot hold is kept in the CP932 text as a character
// reference "&#xHHHH;" (upper-case hex, no leading zeros) and becomes the
// character again on the way out. Towards the document the caller says what
// it converts, because text and paths differ in the characters whose CP932
// form reads back as another sign ("〜" U+301C is stored as "～"): typed text
// takes that form, a path takes the reference so it still names its file.
// "¥" U+00A5 and "‾" U+203E, which the system's converter would write as the
// bytes of "\" and "~", are references in both (those bytes still read as
// "\" and "~"). Typed text or a path that spells such a reference itself keeps it: its
// "&" is stored as "&#x26;", and "&#x26;#x" reads as "&#x".
// Conversion never fails or throws; bytes that are not UTF-8 (or not CP932)
// become "?".

#include <cstddef>
#include <string>
#include <string_view>

namespace listora {

// CP932 text or path -> UTF-8. A reference becomes its character only when
// that is a Unicode scalar value CP932 cannot hold exactly; any other
// reference, well-formed or not, stays as it stands.
std::string Cp932ToUtf8(std::string_view cp932);

// Text typed, pasted or read by the user -> CP932.
std::string TextToCp932(std::string_view utf8);

// A file-system path or a part of one -> CP932 that names the same file
// after Cp932ToUtf8: every character without an exact CP932 form is a
// reference.
std::string PathToCp932(std::string_view utf8);

// CP932 text with the CP932 form of each of the six characters whose form
// reads back as another sign ("～" for "〜" U+301C, and so on) replaced by the
// reference a path gives that character: how a path would spell what was
// typed. Searches look for both spellings. Text without such a form is
// returned as it stands.
std::string OneWayFormsAsReferences(std::string_view cp932);

// A password -> the CP932 bytes its key is made from. Characters CP932 cannot
// hold become "?", the bytes a Windows peer makes of them, so a document
// protected there opens here with the same password.
std::string PasswordToCp932(std::string_view utf8);

// Length of the reference starting at text[i] that Cp932ToUtf8 turns into a
// character (or of the escape "&#x26;#x" it turns into "&#x"), or 0. Works on CP932 and on UTF-8
// text: "&" is never part of a multi-byte character in either.
std::size_t ReferenceLengthAt(std::string_view text, std::size_t i);

// Largest prefix length <= maxBytes of a CP932 text that splits neither a
// double-byte character nor a reference Cp932ToUtf8 would turn into one.
std::size_t TextPrefixLength(std::string_view cp932, std::size_t maxBytes);

// Whether `text` is well-formed UTF-8 (no overlong forms, surrogates or code
// points above U+10FFFF) and holds at least one non-ASCII character: text
// that can only have been written as UTF-8.
bool IsNonAsciiUtf8(std::string_view text);

// Offset of the first byte of `text` that is not part of a well-formed UTF-8
// character, or npos.
std::size_t FirstNonUtf8(std::string_view text);

// Well-formed UTF-8 characters of two bytes or more in `text`, and bytes
// that belong to none: text that is mostly UTF-8 has more of the first.
struct Utf8Tally {
  std::size_t multiByte = 0;
  std::size_t broken = 0;
};
Utf8Tally TallyUtf8(std::string_view text);

// The single-byte and EUC encodings other programs write besides UTF-8 and
// CP932.
enum class LegacyCharset { kEucJp, kWindows1252 };

// Text in `charset` -> UTF-8, appended to `utf8`. Stops at the first byte
// that is no character and returns its offset; npos when all of it was
// converted. Windows-1252 reads the five bytes it leaves undefined as the
// controls Latin-1 has there, so Latin-1 text reads as its superset.
std::size_t LegacyToUtf8(std::string_view text, LegacyCharset charset, std::string& utf8);

// UTF-16 without a byte order mark -> UTF-8, appended to `utf8`. Stops at the
// first code unit that is no character (an unpaired surrogate, or an odd
// byte at the end) and returns its offset in `utf16`; npos when all of it
// was converted.
std::size_t Utf16ToUtf8(std::string_view utf16, bool bigEndian, std::string& utf8);

}  // namespace listora
