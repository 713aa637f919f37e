#include "core/doc/export.h"

#include <cstdio>

#include "core/base/messages.h"
#include "core/doc/columns.h"
#include "core/text/encoding.h"

namespace listora {

namespace {

constexpr std::string_view kCrLf = "\r\n";

void StripTrailing(std::string& line, char c) {
  while (!line.empty() && line.back() == c) line.pop_back();
}

std::string CsvField(std::string_view text) {
  std::string field = "\"";
  for (char c : text) {
    field += c;
    if (c == '"') field += '"';
  }
  field += "\",";
  return field;
}

// COLORREF 0x00BBGGRR as the page's "RRGGBB".
std::string HtmlColour(std::uint32_t colorref) {
  const std::uint32_t rgb =
      ((colorref & 0xFF) << 16) | (colorref & 0xFF00) | ((colorref >> 16) & 0xFF);
  char text[8];
  std::snprintf(text, sizeof text, "%06X", rgb);
  return text;
}

// Every "&" becomes "&amp;" except the one opening a reference to a character
// the page's code page cannot hold, which the browser is to show as that
// character. "&" is never a trail byte, so a byte scan finds each one.
void ReplaceAmpersands(std::string& page) {
  std::string out;
  out.reserve(page.size() + page.size() / 16);
  for (std::size_t i = 0; i < page.size(); ++i) {
    if (page[i] == '&' && ReferenceLengthAt(page, i) == 0)
      out += "&amp;";
    else
      out += page[i];
  }
  page = std::move(out);
}

// In a UTF-8 page every "&" is plain text, since references are characters
// by then.
void AppendHtmlUtf8(std::string_view cp932, std::string& page) {
  for (char c : Cp932ToUtf8(cp932)) {
    if (c == '&')
      page += "&amp;";
    else
      page += c;
  }
}

// The CP932 output as UTF-8. Converting it whole reads each cell as alone:
// neither a reference nor a double-byte character spans a separator, a
// quote or a line end, none of which is a trail byte.
std::string InEncoding(std::string cp932, ExportEncoding encoding, std::string_view mark) {
  if (encoding == ExportEncoding::kCp932) return cp932;
  std::string utf8(mark);
  utf8 += Cp932ToUtf8(cp932);
  return utf8;
}

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

}  // namespace

std::string_view ExportExtension(ExportFormat format) {
  switch (format) {
    case ExportFormat::kText: return "txt";
    case ExportFormat::kHtml: return "htm";
    case ExportFormat::kCsv: return "csv";
    case ExportFormat::kXlsx: return "xlsx";
  }
  return "txt";
}

std::string ProposeExportName(std::string_view title, ExportFormat format) {
  // "." is never a trail byte, so a byte search finds the first one.
  const std::size_t dot = title.find('.');
  std::string name(title.substr(0, dot));
  name += '.';
  name += ExportExtension(format);
  return name;
}

std::string ExportText(const ColumnDescriptors& columns, const ItemTable& items,
                       ExportEncoding encoding) {
  const int count = ClampColumnCount(columns.count);
  std::string out;
  std::string line;
  for (int c = 1; c < count; ++c) {
    line += FixedText(columns.names[c]);
    line += '/';
  }
  StripTrailing(line, '/');
  out += line;
  out += kCrLf;
  out += kCrLf;
  for (int row = 0; row < items.GetSize(); ++row) {
    line.clear();
    for (int c = 1; c < count; ++c) {
      line += items.Cell(row, c);
      line += '/';
    }
    StripTrailing(line, '/');
    out += line;
    out += kCrLf;
  }
  return InEncoding(std::move(out), encoding, {});
}

std::string ExportCsv(const ColumnDescriptors& columns, const ItemTable& items,
                      ExportEncoding encoding) {
  const int count = ClampColumnCount(columns.count);
  std::string out;
  std::string line;
  for (int c = 1; c < count; ++c) line += CsvField(FixedText(columns.names[c]));
  StripTrailing(line, ',');
  out += line;
  out += kCrLf;
  out += kCrLf;
  for (int row = 0; row < items.GetSize(); ++row) {
    line.clear();
    for (int c = 1; c < count; ++c) line += CsvField(items.Cell(row, c));
    StripTrailing(line, ',');
    out += line;
    out += kCrLf;
  }
  return InEncoding(std::move(out), encoding, kUtf8Mark);
}

std::string ExportHtml(const ColumnDescriptors& columns, const StoredPaneStyle& listStyle,
                       const ItemTable& items, std::string_view title, ExportEncoding encoding) {
  static const std::string kSummary = TextToCp932(msg::kExportTableSummary);
  static const std::string kColumnAbbr = TextToCp932(msg::kExportColumnAbbr);
  const bool utf8 = encoding == ExportEncoding::kUtf8;
  // CP932 text goes in as it stands; its "&"s are settled once the page is
  // whole.
  const auto appendText = [utf8](std::string_view cp932, std::string& page) {
    if (utf8)
      AppendHtmlUtf8(cp932, page);
    else
      page += cp932;
  };
  const int count = ClampColumnCount(columns.count);
  std::string page =
      "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"
      "<html lang=\"ja\">\r\n<head>\r\n"
      "<meta http-equiv=\"Content-Type\" content=\"text/html;charset=";
  page += utf8 ? "UTF-8" : "Shift_JIS";
  page +=
      "\">\r\n"
      "<meta name=\"author\" content=\"Listora\">\r\n<title>";
  appendText(title, page);
  page += "</title>\r\n</head>\r\n<body text=\"#" + HtmlColour(listStyle.text) +
          "\" bgcolor=\"#ffffff\">\r\n<table bgcolor=\"#" + HtmlColour(listStyle.background) +
          "\" border=\"1\" summary=\"" + (utf8 ? std::string(msg::kExportTableSummary) : kSummary) +
          "\">\r\n<colgroup>\r\n";
  for (int c = 1; c < count; ++c) {
    page += "<col width=\"" + std::to_string(columns.widths[c]) + "\"";
    if (columns.formats[c] & kFormatRight) page += " align=\"right\"";
    page += ">\r\n";
  }
  page += "</colgroup>\r\n<tr>\r\n";
  const std::string abbr = utf8 ? std::string(msg::kExportColumnAbbr) : kColumnAbbr;
  for (int c = 1; c < count; ++c) {
    page += "\t<th abbr=\"" + abbr + "\">";
    appendText(FixedText(columns.names[c]), page);
    page += "</th>\r\n";
  }
  page += "</tr>\r\n";
  for (int row = 0; row < items.GetSize(); ++row) {
    page += "<tr>\r\n";
    for (int c = 1; c < count; ++c) {
      page += "\t<td>";
      appendText(items.Cell(row, c), page);
      page += "</td>\r\n";
    }
    page += "</tr>\r\n";
  }
  page += "</table>\r\n</body>\r\n</html>";
  if (!utf8) ReplaceAmpersands(page);
  return page;
}

}  // namespace listora
