#include "core/app/settings.h"

#include "core/app/profile.h"
#include "core/text/encoding.h"

namespace listora {

std::string DefaultFontName() { return TextToCp932("ＭＳ Ｐゴシック"); }

PrintLayout ReadPrintLayout(const Profile& p) {
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

SaveProtectionSettings ReadSaveProtection(const Profile& p) {
  return {p.GetInt("Main", "Pass", 0) != 0, p.GetInt("Main", "Ango", 0) != 0};
}

StartBars ReadStartBars(const Profile& p) {
  return {p.GetInt("Main", "MainTool", 1) != 0, p.GetInt("Main", "MainStat", 1) != 0,
          p.GetInt("Main", "TreeTool", 1) != 0};
}

std::uint32_t ReadAttributeSkipMask(const Profile& p) {
  std::uint32_t mask = 0;
  if (p.GetInt("Attribute", "read", 1) == 0) mask |= kAttrReadOnly;
  if (p.GetInt("Attribute", "sys", 0) == 0) mask |= kAttrSystem;
  if (p.GetInt("Attribute", "hide", 0) == 0) mask |= kAttrHidden;
  return mask;
}

}  // namespace listora
