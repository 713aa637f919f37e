#pragma once
// How the automatic insertion dialogs change the insertion settings: in the
// document's block and as the defaults in the settings file.

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "core/base/file_entry.h"
#include "core/base/settings_file.h"
#include "core/doc/document_settings.h"

namespace listora {

// Sets the extension text (cut to its field) and the folders-only flag that
// an empty text means.
void SetInsertPattern(AutoInsertSettings& settings, std::string_view pattern);

// What the automatic insertion dialog starts from: the document's settings
// held to what its controls can show (the current column to the user
// columns, kinds to 0..10, digits to 1..9, a negative start number to 0),
// and a folder that can exist here: a Windows drive path ("C:\", the
// settings' default) or an empty text becomes `home`.
AutoInsertSettings InsertDialogStart(const AutoInsertSettings& document, int columnCount,
                                     const std::filesystem::path& home);

// "取り込み" and "設定して終了": the dialog's folder, extension text,
// sub-folder flag, current column, and the kinds and input texts of user
// columns 1..C-1 become the document's. Returns false and changes nothing
// when the folder text is empty (msg::kEnterFolderName).
bool StoreInsertDialog(const AutoInsertSettings& dialog, int columnCount,
                       AutoInsertSettings& document);

// The attribute dialog's three choices (section "Attribute").
struct AttributeChoices {
  bool readOnly = true;
  bool system = false;
  bool hidden = false;
};
AttributeChoices ReadAttributeChoices(const SettingsFile& settingsFile);
// Afterwards the skip mask is ReadAttributeSkipMask(settingsFile) again.
bool WriteAttributeChoices(SettingsFile& settingsFile, const AttributeChoices& choices);
// Files whose attributes intersect this mask are skipped by insertion: the
// kinds the choices leave out.
std::uint32_t ReadAttributeSkipMask(const SettingsFile& settingsFile);

}  // namespace listora
