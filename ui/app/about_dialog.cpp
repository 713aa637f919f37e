#include "ui/app/about_dialog.h"

#include <wx/button.h>
#include <wx/hyperlink.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "core/app/update_check.h"
#include "core/app/version.h"
#include "core/base/translation.h"
#include "ui/base/program_icon.h"
#include "ui/text/text_convert.h"

namespace listora {

AboutDialog::AboutDialog(wxWindow* parent, const std::string& server)
    : wxDialog(parent, wxID_ANY, Utf8(Tr("バージョン情報"))) {
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(new wxStaticBitmap(this, wxID_ANY, ProgramIconImage(kIconSize)),
           wxSizerFlags().Border());
  auto* texts = new wxBoxSizer(wxVERTICAL);
  texts->Add(new wxStaticText(this, wxID_ANY,
                              "Listora Version " + wxString(kVersion.data(), kVersion.size())));
  texts->Add(new wxStaticText(this, wxID_ANY, Utf8(Tr("Copyright (C) Listora の作者"))),
             wxSizerFlags().Border(wxTOP, 4));
  if (!server.empty()) {
    const wxString url = wxString::FromUTF8(WebPageUrl(server));
    // The toolkit's link: blue, underlined, a hand over it, and a click
    // opens the page in the browser while the box stays open.
    auto* link = new wxHyperlinkCtrl(this, kWebLink, url, url);
    link->SetToolTip(Utf8(Tr("ListoraのWebページをブラウザで開きます")));
    texts->Add(link, wxSizerFlags().Border(wxTOP, 8));
  }
  row->Add(texts, wxSizerFlags(1).Border());
  sizer->Add(row, wxSizerFlags().Expand().Border());
  sizer->Add(new wxButton(this, wxID_OK, "&OK"), wxSizerFlags().Right().Border());
  SetSizerAndFit(sizer);
  CentreOnParent();
}

}  // namespace listora
