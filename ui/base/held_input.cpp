#include "ui/base/held_input.h"

#include <wx/modalhook.h>

namespace listora {

namespace {

int holders = 0;

class ModalDialogCount : public wxModalDialogHook {
 protected:
  int Enter(wxDialog*) override {
    ++holders;
    return wxID_NONE;
  }
  void Exit(wxDialog*) override { --holders; }
};

}  // namespace

void FollowModalDialogs() {
  // Lives as long as the program; the hook list keeps a pointer to it.
  static ModalDialogCount* const count = [] {
    auto* hook = new ModalDialogCount;
    hook->Register();
    return hook;
  }();
  static_cast<void>(count);
}

bool InputHeldElsewhere() { return holders > 0; }

HeldInput::HeldInput() { ++holders; }
HeldInput::~HeldInput() { --holders; }

}  // namespace listora
