#pragma once
// Large arrays (a document's file image, the rows of a big table) are
// faulted in by the system one 4 KiB page at a time on first touch; on
// machines where a fault is dear, that costs more than reading the file.
// Asking for huge pages before the first touch makes it one fault per
// 2 MiB.

#include <cstddef>

namespace listora {

// Advises the system to back the whole huge pages inside [data, data +
// bytes) with huge pages. Only a hint: nothing happens where the system
// has none, and small spans are left alone.
void PreferHugePages(void* data, std::size_t bytes);

}  // namespace listora
