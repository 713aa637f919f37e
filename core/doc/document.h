#pragma once
// `Document`: everything a document file holds, as the program keeps it in
// memory; core/doc/document_file.h reads and writes it.

#include <string>
#include <vector>

#include "core/doc/columns.h"
#include "core/doc/document_settings.h"
#include "core/doc/item_table.h"

namespace listora {

struct Document {
  DocumentSettings settings{};
  std::vector<std::string> history;  // the search box's entries, top first
  ItemTable items;

  int ColumnCount() const { return ClampColumnCount(settings.columns.count); }
};

}  // namespace listora
