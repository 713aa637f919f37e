#pragma once
// What the item tools' dialogs share: an Enter key that neither presses a
// button nor closes the dialog, digit-only fields, labels and lists of user
// texts kept narrow, and fields that take one dropped file or folder.

#include <wx/dnd.h>

#include <functional>

class wxChoice;
class wxControl;
class wxDialog;
class wxString;
class wxTextCtrl;

namespace listora {

// The dialog swallows the Enter key (Escape still cancels).
void SwallowEnter(wxDialog& dialog);

// The field takes typed digits only; a key held with Alt or Ctrl goes on to
// the dialog's mnemonics and shortcuts, as in any other field.
void AcceptDigitsOnly(wxTextCtrl& field);

// How wide a label or list of user texts (column names) may make a dialog,
// so that with the longest names it still fits the smallest main window.
inline constexpr int kUserTextWidth = 320;

// Shows `text` as the control's label, taken literally ("&" is no
// mnemonic). A text wider than kUserTextWidth is cut with an ellipsis and
// then shown whole in the tool tip, above `tip` when the control has one.
void SetUserLabel(wxControl& control, const wxString& text, const wxString& tip);

// Keeps a list of user texts no wider than kUserTextWidth; its drop-down
// still shows each text whole.
void LimitChoiceWidth(wxChoice& choice);

// Takes a drop of exactly one existing path of the wanted kind on a text
// field and puts the path there; anything else is ignored.
class SinglePathDrop : public wxFileDropTarget {
 public:
  enum class Kind { kFile, kFolder };
  SinglePathDrop(wxTextCtrl* field, Kind kind) : field_(field), kind_(kind) {}
  bool OnDropFiles(wxCoord x, wxCoord y, const wxArrayString& files) override;

 private:
  wxTextCtrl* field_;
  Kind kind_;
};

}  // namespace listora
