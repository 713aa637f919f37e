#include "core/tools/auto_insert_settings.h"

#include <algorithm>
#include <cstdio>

#include "core/base/stored_paths.h"
#include "core/doc/columns.h"
#include "core/tools/auto_insert_item.h"

namespace listora {

namespace {

bool IsDrivePath(std::string_view text) {
  const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  return text.size() >= 2 && letter(text[0]) && text[1] == ':' &&
         (text.size() == 2 || text[2] == '\\' || text[2] == '/');
}

}  // namespace

AutoInsertSettings InsertDialogStart(const AutoInsertSettings& document, int columnCount,
                                     const std::filesystem::path& home) {
  AutoInsertSettings start = document;
  const int userColumns = ClampColumnCount(columnCount) - 1;
  start.lastColumn = static_cast<std::uint8_t>(std::clamp<int>(start.lastColumn, 1, userColumns));
  for (std::uint8_t& kind : start.kinds)
    kind = static_cast<std::uint8_t>(std::min<int>(kind, kItemKindCount - 1));
  start.serialDigits = std::clamp(start.serialDigits, 1, 9);
  start.serialStart = std::max(start.serialStart, 0);
  const std::string_view folder = FixedText(start.folder);
  if (folder.empty() || IsDrivePath(folder)) SetFixedText(start.folder, PathText(home));
  return start;
}

void SetInsertPattern(AutoInsertSettings& settings, std::string_view pattern) {
  SetFixedText(settings.pattern, pattern);
  settings.patternWasEmpty = pattern.empty() ? 1 : 0;
}

bool StoreInsertDialog(const AutoInsertSettings& dialog, int columnCount,
                       AutoInsertSettings& document) {
  if (FixedText(dialog.folder).empty()) return false;
  SetInsertPattern(document, FixedText(dialog.pattern));
  SetFixedText(document.folder, FixedText(dialog.folder));
  document.subFolders = dialog.subFolders != 0 ? 1 : 0;
  document.lastColumn = dialog.lastColumn;
  const int count = ClampColumnCount(columnCount);
  for (int column = 1; column < count; ++column) {
    document.kinds[column] = dialog.kinds[column];
    SetFixedText(document.fixedTexts[column], FixedText(dialog.fixedTexts[column]));
  }
  return true;
}

AttributeChoices ReadAttributeChoices(const SettingsFile& settingsFile) {
  return {settingsFile.GetInt("Attribute", "read", 1) != 0,
          settingsFile.GetInt("Attribute", "sys", 0) != 0,
          settingsFile.GetInt("Attribute", "hide", 0) != 0};
}

std::uint32_t ReadAttributeSkipMask(const SettingsFile& settingsFile) {
  const AttributeChoices choices = ReadAttributeChoices(settingsFile);
  std::uint32_t mask = 0;
  if (!choices.readOnly) mask |= kAttrReadOnly;
  if (!choices.system) mask |= kAttrSystem;
  if (!choices.hidden) mask |= kAttrHidden;
  return mask;
}

bool WriteAttributeChoices(SettingsFile& settingsFile, const AttributeChoices& choices) {
  bool ok = settingsFile.WriteInt("Attribute", "read", choices.readOnly ? 1 : 0);
  ok &= settingsFile.WriteInt("Attribute", "sys", choices.system ? 1 : 0);
  ok &= settingsFile.WriteInt("Attribute", "hide", choices.hidden ? 1 : 0);
  return ok;
}

}  // namespace listora
