#include "ui/base/tool_tip_delay.h"

#include <wx/tooltip.h>

namespace listora {

void UseToolTipDelay() { wxToolTip::SetDelay(900); }

}  // namespace listora
