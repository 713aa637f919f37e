#include "ui/base/program_icon.h"

#include "ui/base/program_icon_svg.h"

namespace listora {

wxBitmapBundle ProgramIconImage(int size) {
  return wxBitmapBundle::FromSVG(kProgramIconSvg, wxSize(size, size));
}

wxIconBundle ProgramIcons() {
  const wxBitmapBundle image = ProgramIconImage(64);
  wxIconBundle icons;
  for (int size : {16, 32, 48, 64}) icons.AddIcon(image.GetIcon(wxSize(size, size)));
  return icons;
}

}  // namespace listora
