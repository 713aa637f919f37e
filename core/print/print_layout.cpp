#include "core/print/print_layout.h"

#include "core/base/default_font.h"
#include "core/base/settings_file.h"

namespace listora {

PrintLayout ReadPrintLayout(const SettingsFile& p) {
  PrintLayout l;
  l.fontName = p.GetString("Layout", "FontName", DefaultFontName());
  l.fontSize = p.GetInt("Layout", "FontSize", 50);
  l.top = p.GetInt("Layout", "Top", 0);
  l.left = p.GetInt("Layout", "Left", 0);
  l.bottom = p.GetInt("Layout", "Bottom", 0);
  l.right = p.GetInt("Layout", "Right", 0);
  l.header = p.GetInt("Layout", "bHead", 1) != 0;
  l.headerText = p.GetString("Layout", "Header", "%F %A");
  l.headerPos = p.GetInt("Layout", "hPos", 1);
  l.footer = p.GetInt("Layout", "bFoot", 1) != 0;
  l.footerText = p.GetString("Layout", "Footer", "%Y/%M/%D %P / %T");
  l.footerPos = p.GetInt("Layout", "fPos", 1);
  return l;
}

bool WritePrintLayout(SettingsFile& settingsFile, const PrintLayout& l) {
  const auto n = [](std::int32_t v) { return std::to_string(v); };
  const SettingsFileEntry entries[] = {
      {"FontName", l.fontName}, {"FontSize", n(l.fontSize)}, {"Top", n(l.top)},
      {"Left", n(l.left)},      {"Bottom", n(l.bottom)},     {"Right", n(l.right)},
      {"bHead", n(l.header)},   {"Header", l.headerText},    {"hPos", n(l.headerPos)},
      {"bFoot", n(l.footer)},   {"Footer", l.footerText},    {"fPos", n(l.footerPos)},
  };
  return settingsFile.WriteSection("Layout", entries);
}

}  // namespace listora
