#pragma once
// How long the pointer rests on a control before its tool tip shows.

namespace listora {

// Sets the delay of every tool tip of the program to 900 ms.
void UseToolTipDelay();

}  // namespace listora
