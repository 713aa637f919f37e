#include "ui/app/listora_doc_manager.h"

#include <wx/app.h>
#include <wx/filehistory.h>

#include <filesystem>

#include "core/base/file_io.h"
#include "core/base/messages.h"
#include "core/base/normal_path.h"
#include "core/print/preview_pages.h"
#include "ui/app/listora_app.h"
#include "ui/base/command_ids.h"
#include "ui/base/messages.h"
#include "ui/base/prompt.h"
#include "ui/base/recent_files.h"
#include "ui/doc/chooser_folder.h"
#include "ui/doc/listora_doc.h"
#include "ui/doc/program_state.h"
#include "ui/frame/main_frame.h"
#include "ui/print/print_preview.h"
#include "ui/print/print_to_file.h"
#include "ui/text/text_convert.h"

namespace listora {

ListoraDoc* OpenDocument() {
  ListoraDocManager* manager = TheApp().DocManager();
  return manager ? dynamic_cast<ListoraDoc*>(manager->GetCurrentDocument()) : nullptr;
}

namespace {
void ShowRecentFiles() {
  if (MainFrame* frame = TheApp().Frame()) frame->ShowRecentFiles();
}
}  // namespace

ListoraDocManager::ListoraDocManager() : wxDocManager(0, false) {}

wxDocument* ListoraDocManager::CreateStartDocument(const wxString& path) {
  if (!path.empty()) {
    if (wxDocument* doc = CreateDocument(path, wxDOC_SILENT)) return doc;
  }
  return CreateDocument(wxString(), wxDOC_NEW);
}

wxDocTemplate* ListoraDocManager::FindTemplateForPath(const wxString&) {
  return m_templates.IsEmpty() ? nullptr
                               : static_cast<wxDocTemplate*>(m_templates.GetFirst()->GetData());
}

wxFileHistory* ListoraDocManager::OnCreateFileHistory() {
  return new wxFileHistory(kRecentFileCount);
}

wxString ListoraDocManager::MakeNewDocumentName() { return Utf8(msg::kUntitled); }

wxDocTemplate* ListoraDocManager::SelectDocumentPath(wxDocTemplate** templates, int noTemplates,
                                                     wxString& path, long, bool) {
  if (noTemplates < 1) return nullptr;
  ProgramState& program = TheApp().Program();
  path = ThePrompt().OpenFile(wxTheApp->GetTopWindow(), Utf8(msg::kOpenTitle), DocumentWildcard(),
                              ChooserFolder(GetCurrentDocument(), program));
  RememberChosenFile(path, program);
  return path.empty() ? nullptr : templates[0];
}

void ListoraDocManager::AddFileToHistory(const wxString& file) {
  for (const wxDocument* doc : GetDocumentsVector()) {
    if (doc->GetFilename() == file) {
      // One spelling for each file, without "..": the list shows the path.
      wxDocManager::AddFileToHistory(wxString::FromUTF8(NormalFilePath(PathFromWx(file)).string()));
      ShowRecentFiles();
      return;
    }
  }
}

void ListoraDocManager::RemoveFileFromHistory(size_t i) {
  wxDocManager::RemoveFileFromHistory(i);
  ShowRecentFiles();
}

wxPreviewFrame* ListoraDocManager::CreatePreviewFrame(wxPrintPreviewBase* preview, wxWindow* parent,
                                                      const wxString&) {
  TheApp().Program().previewPages = kTablePreviewPages;
  return new PrintPreviewFrame(preview, parent);
}

void ListoraDocManager::OnPrintOrPreview(wxCommandEvent& event) {
  if (const ListoraDoc* doc = OpenDocument()) {
    ProposePdfFile(GetPageSetupDialogData().GetPrintData(), ProposedPdfFile(*doc), proposedPdf_);
  }
  event.Skip();
}

void ListoraDocManager::OnRecentFile(wxCommandEvent& event) {
  const size_t index = static_cast<size_t>(event.GetId() - cmd::kRecentFile1);
  if (index >= GetHistoryFilesCount()) return;
  const wxString file = GetHistoryFile(index);
  // Checked before the open document is closed, which a file that is gone
  // must not cost.
  FileError error;
  if (!CanReadFile(std::filesystem::path(file.utf8_string()), &error)) {
    ThePrompt().Error(wxTheApp->GetTopWindow(), Utf8(error.what));
    RemoveFileFromHistory(index);
    return;
  }
  wxDocument* doc = CreateDocument(file, wxDOC_SILENT);
  // Opened but refused (or unreadable): the entry goes, as it cannot be
  // opened again. A cancelled save question keeps it.
  if (doc && doc->GetFilename() != file) RemoveFileFromHistory(index);
}

}  // namespace listora
