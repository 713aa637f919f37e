#pragma once
// Large arrays (a document's file image, the rows of a big table) are
// faulted in by the system one 4 KiB page at a time on first touch; on
// machines where a fault is dear, that costs more than reading the file.
// Asking for huge pages before the first touch makes it one fault per
// 2 MiB.

#include <cstddef>
#include <vector>

namespace listora {

// Advises the system to back the whole huge pages inside [data, data +
// bytes) with huge pages. Only a hint: nothing happens where the system
// has none, and small spans are left alone.
void PreferHugePages(void* data, std::size_t bytes);

// Reserves room for `count` elements, advising huge pages for the part not
// yet written.
template <typename T>
void ReserveLarge(std::vector<T>& array, std::size_t count) {
  if (count <= array.capacity()) return;
  array.reserve(count);
  PreferHugePages(array.data() + array.size(), (count - array.size()) * sizeof(T));
}

}  // namespace listora
