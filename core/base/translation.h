#pragma once
// The program's texts in the user's language. The message ids are the
// Japanese texts the program shows under a Japanese desktop; a catalogue (a
// gettext .mo file, domain "listora") translates them into another language.
// Without a catalogue every text is its Japanese id. Both programs load the
// one catalogue the desktop's language asks for (core/base/language.h) once
// at start, before any text is read; it then stays for the program's life,
// so the texts handed out stay valid. UTF-8 throughout.
//
// Marked for extraction into po/listora.pot (scripts/update_catalogue.sh):
// Tr("…") translates now, Tx("…") marks a text translated where it is read,
// TrPlural("…", "…", n) picks the form a count asks for, TxPlural("…", "…")
// marks such a pair picked where it is read.

#include <filesystem>
#include <string>
#include <string_view>

namespace listora {

// A text translated each time it is read, so a table of texts can be a
// constant: kept as its Japanese id, converting to the shown text.
class Text {
 public:
  constexpr Text() = default;
  constexpr explicit Text(const char* id) : id_(id) {}
  operator std::string_view() const;  // NOLINT: reads as the text it shows
  std::string_view Shown() const { return *this; }
  // The message id: the Japanese text.
  constexpr std::string_view Id() const { return id_; }
  constexpr bool empty() const { return *id_ == '\0'; }

 private:
  const char* id_ = "";
};

constexpr Text Tx(const char* id) { return Text(id); }

// A text with a count, read in the form the count asks for.
struct PluralText {
  const char* one;
  const char* other;
  std::string_view For(unsigned long count) const;
};

constexpr PluralText TxPlural(const char* one, const char* other) { return {one, other}; }

// The text `id` shows in the loaded language.
std::string_view Tr(const char* id);
// The form of a text for `count`: `one` or `other` as the catalogue's
// language counts; Japanese has one form, `one`.
std::string_view TrPlural(const char* one, const char* other, unsigned long count);

// Loads a .mo file's bytes as the catalogue; false (and none loaded) when
// they are not one this program reads.
bool LoadCatalogue(std::string bytes);
bool LoadCatalogueFile(const std::filesystem::path& file);
// Back to the Japanese ids.
void UnloadCatalogue();

// Where an edge looks the texts up itself (the desktop through its
// toolkit's translations): `other` is null for a text without a count. The
// texts it returns must stay valid for the program's life. Null: the
// catalogue loaded here.
using TextLookup = std::string_view (*)(const char* one, const char* other, unsigned long count);
void SetTextLookup(TextLookup lookup);

}  // namespace listora
