#pragma once
// Setting up the open document's table for the item tools' tests.

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace listora {
class ItemListCtrl;
struct Document;
}  // namespace listora

namespace listora::test {

ItemListCtrl& TheList();
// The open document's data, for setting a test up.
Document& TheData();
// The open document's image folder, set as a test needs it.
std::filesystem::path& TheImageFolder();
// A new document with `userColumns` user columns, and its fresh start.
void StartWithColumns(int userColumns);
// Appends rows of user column texts (UTF-8).
void AddRows(const std::vector<std::vector<std::string>>& rows);
void SelectRows(std::initializer_list<int> rows);
// The texts of user column `column`, UTF-8.
std::vector<std::string> ColumnOf(int column);
// The texts of row `row`'s user columns, UTF-8.
std::vector<std::string> RowOf(int row);
// The user lets go of the border of header `column` at `width` pixels.
void DragColumnBorder(int column, int width);

}  // namespace listora::test
