#pragma once
// The program-wide settings that live only in the settings file and in
// memory: the print layout and the attribute mask of insertion. The
// per-document half is in core/doc/document_settings.h.

#include <cstdint>
#include <string>

namespace listora {

class Profile;

// The print layout (the `Layout` keys).
struct PrintLayout {
  std::string fontName;
  std::int32_t fontSize = 0;
  std::int32_t top = 0, left = 0, bottom = 0, right = 0;
  bool header = false;
  std::string headerText;
  std::int32_t headerPos = 0;
  bool footer = false;
  std::string footerText;
  std::int32_t footerPos = 0;
};

// Attribute bits for the skip mask, as the settings file's `Attribute` keys
// describe them (values of the Windows attribute flags they stand for).
inline constexpr std::uint32_t kAttrReadOnly = 0x01;
inline constexpr std::uint32_t kAttrHidden = 0x02;
inline constexpr std::uint32_t kAttrSystem = 0x04;

// The default font of the panes and of printing ("ＭＳ Ｐゴシック", CP932).
std::string DefaultFontName();

PrintLayout ReadPrintLayout(const Profile& profile);

// How documents are saved: `Main`/`Pass` asks for a password at every save,
// `Main`/`Ango` enciphers without one.
struct SaveProtectionSettings {
  bool pass = false;
  bool ango = false;
};
SaveProtectionSettings ReadSaveProtection(const Profile& profile);

// Which bars the main window is created with (`Main`/`MainTool`,
// `MainStat`, `TreeTool`); each document's display block then rules.
struct StartBars {
  bool toolBar = true;
  bool statusBar = true;
  bool treeToolBar = true;
};
StartBars ReadStartBars(const Profile& profile);
// Files whose attributes intersect this mask are skipped by insertion.
std::uint32_t ReadAttributeSkipMask(const Profile& profile);

}  // namespace listora
