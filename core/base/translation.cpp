#include "core/base/translation.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "core/base/file_io.h"

namespace listora {

namespace {

// A catalogue far larger than any this program ships is not one of ours.
constexpr std::size_t kMaxCatalogueBytes = 16u << 20;
constexpr std::uint32_t kMagic = 0x950412de;

// A loaded .mo file: its bytes and the two tables of (length, offset)
// pairs, ids sorted by their bytes as msgfmt writes them.
struct Catalogue {
  std::string bytes;
  std::uint32_t count = 0;
  std::uint32_t ids = 0;
  std::uint32_t translations = 0;

  std::uint32_t Word(std::size_t offset) const {
    std::uint32_t word;
    std::memcpy(&word, bytes.data() + offset, sizeof word);
    return word;
  }
  // Entry `i` of a table: a text and, after a NUL, its plural forms.
  std::string_view Entry(std::uint32_t table, std::uint32_t i) const {
    return {bytes.data() + Word(table + 8 * i + 4), Word(table + 8 * i)};
  }
};

// Every catalogue loaded stays until the program ends, so a text handed out
// stays valid when another language is loaded (the tests switch).
std::vector<std::unique_ptr<Catalogue>>& Loaded() {
  static std::vector<std::unique_ptr<Catalogue>> catalogues;
  return catalogues;
}
const Catalogue* loaded = nullptr;
TextLookup edgeLookup = nullptr;

// Every offset is checked once at load, so a lookup reads only what is there,
// and every string is followed by the NUL the format promises.
bool Valid(const Catalogue& c) {
  const std::size_t size = c.bytes.size();
  const auto tableFits = [&](std::uint32_t table) {
    return table % 4 == 0 && table <= size && (size - table) / 8 >= c.count;
  };
  if (!tableFits(c.ids) || !tableFits(c.translations)) return false;
  for (const std::uint32_t table : {c.ids, c.translations}) {
    for (std::uint32_t i = 0; i < c.count; ++i) {
      const std::uint64_t length = c.Word(table + 8 * i);
      const std::uint64_t offset = c.Word(table + 8 * i + 4);
      if (offset + length >= size || c.bytes[offset + length] != '\0') return false;
    }
  }
  return true;
}

// An id's first text (before any plural) compared with `id`.
int Compare(std::string_view entry, std::string_view id) {
  const std::string_view first = entry.substr(0, entry.find('\0'));
  return first.compare(id);
}

// The translation of `id`, with its plural forms after NULs; empty when the
// catalogue has none.
std::string_view Find(std::string_view id) {
  if (loaded == nullptr || id.empty()) return {};
  std::uint32_t low = 0, high = loaded->count;
  while (low < high) {
    const std::uint32_t middle = low + (high - low) / 2;
    const int order = Compare(loaded->Entry(loaded->ids, middle), id);
    if (order == 0) return loaded->Entry(loaded->translations, middle);
    if (order < 0) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return {};
}

// Form `index` of a translation's NUL-separated forms; the last there is
// when it has fewer.
std::string_view Form(std::string_view forms, std::size_t index) {
  for (; index > 0; --index) {
    const std::size_t end = forms.find('\0');
    if (end == std::string_view::npos) break;
    forms.remove_prefix(end + 1);
  }
  return forms.substr(0, forms.find('\0'));
}

}  // namespace

Text::operator std::string_view() const { return Tr(id_); }

std::string_view PluralText::For(unsigned long count) const { return TrPlural(one, other, count); }

std::string_view Tr(const char* id) {
  if (edgeLookup != nullptr) return edgeLookup(id, nullptr, 1);
  const std::string_view forms = Find(id);
  return forms.empty() ? std::string_view(id) : Form(forms, 0);
}

// `other` is the plural's id, for extraction: the Japanese has no plural.
std::string_view TrPlural(const char* one, [[maybe_unused]] const char* other,
                          unsigned long count) {
  if (edgeLookup != nullptr) return edgeLookup(one, other, count);
  const std::string_view forms = Find(one);
  if (forms.empty()) return one;
  // The catalogues shipped are English: one form for 1, another for the rest.
  return Form(forms, count == 1 ? 0 : 1);
}

bool LoadCatalogue(std::string bytes) {
  auto catalogue = std::make_unique<Catalogue>();
  catalogue->bytes = std::move(bytes);
  Catalogue& c = *catalogue;
  if (c.bytes.size() < 28 || c.Word(0) != kMagic || c.Word(4) != 0) return false;
  c.count = c.Word(8);
  c.ids = c.Word(12);
  c.translations = c.Word(16);
  if (!Valid(c)) return false;
  loaded = catalogue.get();
  Loaded().push_back(std::move(catalogue));
  return true;
}

bool LoadCatalogueFile(const std::filesystem::path& file) {
  std::optional<std::string> bytes = ReadFileBytes(file, nullptr, kMaxCatalogueBytes);
  return bytes && LoadCatalogue(std::move(*bytes));
}

void UnloadCatalogue() { loaded = nullptr; }

void SetTextLookup(TextLookup lookup) { edgeLookup = lookup; }

}  // namespace listora
