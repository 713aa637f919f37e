#pragma once
// The initial Blowfish P-array and S-boxes, from which every key schedule
// starts.

#include <array>
#include <cstdint>

namespace listora {

extern const std::array<std::uint32_t, 18> kBlowfishInitialP;
extern const std::array<std::array<std::uint32_t, 256>, 4> kBlowfishInitialS;

}  // namespace listora
