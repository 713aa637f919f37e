#pragma once
// The document manager: wx's, with the program's titles and with its file
// chooser and messages routed through the prompt interface.

#include <wx/docview.h>

#include <string>

namespace listora {

class ListoraDoc;

class ListoraDocManager : public wxDocManager {
 public:
  // Initialize() must follow, so the five-entry file history is created.
  ListoraDocManager();

  // The document named at start-up, or a new one when none is named or the
  // named one cannot be opened: the program always comes up.
  wxDocument* CreateStartDocument(const wxString& path);

  wxFileHistory* OnCreateFileHistory() override;
  // The one document type takes any file name; its load tells a document
  // from a foreign file ("LTBファィルではありません。").
  wxDocTemplate* FindTemplateForPath(const wxString& path) override;
  // A new document is titled "無題".
  wxString MakeNewDocumentName() override;
  wxDocTemplate* SelectDocumentPath(wxDocTemplate** templates, int noTemplates, wxString& path,
                                    long flags, bool save = false) override;
  // Only a file the open document now holds is remembered, so a refused
  // file never enters the list.
  void AddFileToHistory(const wxString& file) override;
  void RemoveFileFromHistory(size_t i) override;
  // The print preview with the program's texts.
  wxPreviewFrame* CreatePreviewFrame(wxPrintPreviewBase* preview, wxWindow* parent,
                                     const wxString& title) override;

  // Commands the table binds ahead of wxDocManager's own handlers: an
  // entry of the recent-file list, and printing or the preview, for which
  // GTK's "Print to File" proposes the document's name beside it before
  // wxDocManager goes on.
  void OnRecentFile(wxCommandEvent& event);
  void OnPrintOrPreview(wxCommandEvent& event);

 private:
  std::string proposedPdf_;  // the output URI proposed last
};

// The open document; null while none is (before the first, or between
// closing one and creating the next).
ListoraDoc* OpenDocument();

}  // namespace listora
