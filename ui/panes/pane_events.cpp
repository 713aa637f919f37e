#include "ui/panes/pane_events.h"

namespace listora {

wxDEFINE_EVENT(EVT_PANE_MEMO, PaneEvent);
wxDEFINE_EVENT(EVT_PANE_IMAGE, PaneEvent);
wxDEFINE_EVENT(EVT_PANE_IMAGE_FIT, PaneEvent);
wxDEFINE_EVENT(EVT_PANE_TREE_SEARCH, PaneEvent);

}  // namespace listora
