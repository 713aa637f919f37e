#pragma once
// The print layout and its home in the settings file, the `Layout` section.

#include <cstdint>
#include <string>

namespace listora {

class SettingsFile;

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

PrintLayout ReadPrintLayout(const SettingsFile& settingsFile);

// Writes all twelve keys of the section in one replacement of the file.
// False when the file could not be written.
bool WritePrintLayout(SettingsFile& settingsFile, const PrintLayout& layout);

}  // namespace listora
