// The toolkit's list control keeps its selection as a sorted list of the
// rows that differ from a default state, but looks a row up in that list by
// a linear search. Asking a large list for its selected rows, or inverting a
// scattered selection, then takes time proportional to rows times exceptions:
// minutes for a block of half a million rows. This definition replaces the
// library's lookup with a binary search over the same sorted list, with the
// same result. The library calls the member through its procedure linkage
// table, so the program's definition is the one that runs; were it ever
// bound inside the library, the control would only be slower, never wrong.

#include <wx/selstore.h>

#include <algorithm>

bool wxSelectionStore::IsSelected(unsigned item) const {
  const bool listed = std::binary_search(m_itemsSel.begin(), m_itemsSel.end(), item);
  return listed != m_defaultState;
}
