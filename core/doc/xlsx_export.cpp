#include "core/doc/xlsx_export.h"

#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cstdio>
#include <optional>

#include "core/base/messages.h"
#include "core/doc/columns.h"
#include "core/text/encoding.h"
#include "core/text/fixed_text.h"

namespace listora {

namespace {

constexpr std::size_t kSheetNameUnits = 31;

// Length of the UTF-8 character whose first byte is `c`.
std::size_t Utf8Length(unsigned char c) { return c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4; }

// A file of its own in the system's temporary folder, removed when done:
// the library writes to a named file, which is then written to the target
// as every whole file is.
class ScratchFile {
 public:
  ScratchFile() {
    std::error_code ec;
    std::string pattern =
        (std::filesystem::temp_directory_path(ec) / "listora-xlsx-XXXXXX").string();
    const int fd = mkstemp(pattern.data());
    if (fd < 0) return;
    close(fd);
    path_ = pattern;
  }
  ~ScratchFile() {
    if (!path_.empty()) std::remove(path_.c_str());
  }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

bool Fail(FileError* error, std::string what) {
  if (error) error->what = std::move(what);
  return false;
}

std::string Reason(lxw_error code) {
  std::string what(msg::kXlsxNotWritten);
  what += " (";
  what += lxw_strerror(code);
  what += ")";
  return what;
}

// Writes the sheet; the first error the library reports, or LXW_NO_ERROR.
// `tooLong` is set for a cell beyond what a cell holds.
lxw_error WriteSheet(lxw_workbook* workbook, const ColumnDescriptors& columns,
                     const ItemTable& items, std::string_view title, std::string& tooLong) {
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, SheetName(title).c_str());
  if (!sheet) return LXW_ERROR_PARAMETER_VALIDATION;
  lxw_format* bold = workbook_add_format(workbook);
  format_set_bold(bold);
  const int count = ClampColumnCount(columns.count);
  // Widths and the frozen row go before any row is written: rows leave
  // memory as soon as the next one begins.
  for (int c = 1; c < count; ++c) {
    const auto col = static_cast<lxw_col_t>(c - 1);
    worksheet_set_column_pixels(sheet, col, col, columns.widths[c], nullptr);
  }
  worksheet_freeze_panes(sheet, 1, 0);
  for (int c = 1; c < count; ++c) {
    const std::string name = Cp932ToUtf8(FixedText(columns.names[c]));
    if (const lxw_error e =
            worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c - 1), name.c_str(), bold))
      return e;
  }
  for (int row = 0; row < items.GetSize(); ++row) {
    for (int c = 1; c < count; ++c) {
      const std::string_view cell = items.Cell(row, c);
      if (cell.empty()) continue;
      const std::string text = Cp932ToUtf8(cell);
      const lxw_error e =
          worksheet_write_string(sheet, static_cast<lxw_row_t>(row + 1),
                                 static_cast<lxw_col_t>(c - 1), text.c_str(), nullptr);
      if (e == LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED) {
        char where[320];
        std::snprintf(where, sizeof where, msg::kXlsxCellTooLongFormat.Shown().data(), row + 1, c);
        tooLong = where;
      }
      if (e) return e;
    }
  }
  return LXW_NO_ERROR;
}

}  // namespace

bool FitsSheet(std::int64_t items) { return items >= 0 && items + 1 <= kSheetRows; }

std::string SheetName(std::string_view title) {
  // "." is never a trail byte, so a byte search finds the first one.
  const std::string whole = Cp932ToUtf8(title.substr(0, title.find('.')));
  std::string name;
  std::size_t units = 0;
  for (std::size_t i = 0; i < whole.size();) {
    const std::size_t length =
        std::min(Utf8Length(static_cast<unsigned char>(whole[i])), whole.size() - i);
    // A sheet name is counted in UTF-16 units: four UTF-8 bytes are two.
    units += length == 4 ? 2 : 1;
    if (units > kSheetNameUnits) break;
    const std::string_view ch(whole.data() + i, length);
    name += ch.size() == 1 && std::string_view("[]:*?/\\").find(ch[0]) != std::string_view::npos
                ? std::string_view("_")
                : ch;
    i += length;
  }
  while (!name.empty() && name.front() == '\'') name.erase(0, 1);
  while (!name.empty() && name.back() == '\'') name.pop_back();
  return name.empty() ? "Sheet1" : name;
}

bool ExportXlsx(const std::filesystem::path& file, const ColumnDescriptors& columns,
                const ItemTable& items, std::string_view title, FileError* error,
                SpecialTarget special) {
  if (!FitsSheet(items.GetSize())) return Fail(error, std::string(msg::kXlsxTooManyRows));
  const ScratchFile scratch;
  if (scratch.path().empty()) return Fail(error, Reason(LXW_ERROR_CREATING_TMPFILE));
  lxw_workbook_options options{};
  options.constant_memory = LXW_TRUE;
  lxw_workbook* workbook = workbook_new_opt(scratch.path().c_str(), &options);
  if (!workbook) return Fail(error, Reason(LXW_ERROR_CREATING_XLSX_FILE));
  std::string tooLong;
  const lxw_error written = WriteSheet(workbook, columns, items, title, tooLong);
  // Closing also frees the workbook, so it is closed whatever happened.
  const lxw_error closed = workbook_close(workbook);
  if (!tooLong.empty()) return Fail(error, tooLong);
  if (written) return Fail(error, Reason(written));
  if (closed) return Fail(error, Reason(closed));
  const std::optional<std::string> bytes = ReadFileBytes(scratch.path(), error);
  if (!bytes) return false;
  return WriteFileAtomically(file, *bytes, error, special);
}

}  // namespace listora
