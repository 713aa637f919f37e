#pragma once
// The settings dialog: a tree of pages on the left, the chosen page on the
// right. Under "デフォルト設定" the pages edit the settings file's defaults
// (new documents, the next start); under "ドキュメント設定" the open
// document's settings, which take effect at once. "設定反映" applies and
// stays; OK applies and closes.

#include <wx/dialog.h>
#include <wx/treebase.h>

#include <vector>

#include "core/app/settings_sets.h"

class wxTreeCtrl;

namespace listora {

class ListoraDoc;
class MainFrame;
class SettingsPage;

class SettingsDialog : public wxDialog {
 public:
  enum : int { kTree = 1028, kApply = 1029 };

  // Tree entries, in the tree's order.
  enum Entry : int {
    kDefaults,
    kStartup,
    kDefaultList,
    kDefaultTree,
    kDefaultText,
    kDefaultImage,
    kDefaultBars,
    kDefaultVisibility,
    kDefaultImagePaths,
    kDocument,
    kDocumentList,
    kDocumentTree,
    kDocumentText,
    kDocumentImage,
    kDocumentBars,
    kDocumentVisibility,
    kDocumentImagePaths,
    kSystem,
    kEntryCount
  };

  SettingsDialog(MainFrame* frame, ListoraDoc& doc);

  // Selects a tree entry as a click would; false when the shown page
  // refused its values and stays.
  bool ShowEntry(Entry entry);
  Entry CurrentEntry() const { return current_; }
  SettingsPage* PageOf(Entry entry) const;
  // "設定反映": false when a page refused its values.
  bool Apply();

 private:
  void OnSelecting(wxTreeEvent& event);
  void OnSelected(wxTreeEvent& event);
  void ShowPage(Entry entry);

  MainFrame* frame_;
  ListoraDoc& doc_;
  SettingsSet defaults_;
  SettingsSet document_;
  StartupSettings startup_;
  ProtectionSettings protection_;
  wxTreeCtrl* tree_ = nullptr;
  std::vector<wxTreeItemId> items_;
  Entry current_ = kDocumentList;
  // Pages by kind: view, visibility, bars, image view, start-up, system,
  // image paths.
  std::vector<SettingsPage*> pages_;
};

}  // namespace listora
