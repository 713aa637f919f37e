#include <iostream>

#include "core/doc/document_settings.h"
#include "ltbtool/commands.h"
#include "ltbtool/json_writer.h"
#include "ltbtool/tool_io.h"

namespace ltbtool {

namespace {

void DumpStyles(JsonWriter& json, const listora::PaneStyles& styles) {
  static constexpr const char* kPanes[] = {"list", "tree", "text", "image"};
  json.BeginObject();
  for (int i = 0; i < 4; ++i) {
    const auto& style = styles.pane[i];
    json.Key(kPanes[i]);
    json.BeginObject();
    json.Key("background");
    json.Number(style.background);
    json.Key("text");
    json.Number(style.text);
    json.Key("font_size");
    json.Number(style.fontSize);
    json.Key("font_name");
    json.Cp932String(listora::FixedText(style.fontName));
    json.EndObject();
  }
  json.EndObject();
}

void DumpSettings(JsonWriter& json, const listora::DocumentSettings& settings) {
  json.BeginObject();
  const auto& layout = settings.layout;
  json.Key("layout");
  json.BeginObject();
  json.Key("show_list");
  json.Number(layout.showList);
  json.Key("show_tree");
  json.Number(layout.showTree);
  json.Key("show_text");
  json.Number(layout.showText);
  json.Key("show_image");
  json.Number(layout.showImage);
  json.Key("split1");
  json.Number(layout.split1);
  json.Key("split2");
  json.Number(layout.split2);
  json.Key("split3");
  json.Number(layout.split3);
  json.EndObject();
  json.Key("styles");
  DumpStyles(json, settings.styles);
  const auto& display = settings.display;
  json.Key("display");
  json.BeginObject();
  json.Key("tree_icons");
  json.Number(display.treeIcons);
  json.Key("image_fit");
  json.Number(display.imageFit);
  json.Key("main_tool_bar");
  json.Number(display.mainToolBar);
  json.Key("status_bar");
  json.Number(display.statusBar);
  json.Key("tree_tool_bar");
  json.Number(display.treeToolBar);
  json.Key("image_path_mode");
  json.Number(display.imagePathMode);
  json.Key("image_sub_path");
  json.Cp932String(listora::FixedText(display.imageSubPath));
  json.Key("copy_images");
  json.Number(display.copyImages);
  json.EndObject();
  const auto& insert = settings.autoInsert;
  json.Key("auto_insert");
  json.BeginObject();
  json.Key("folder");
  json.Cp932String(listora::FixedText(insert.folder));
  json.Key("pattern");
  json.Cp932String(listora::FixedText(insert.pattern));
  json.Key("sub_folders");
  json.Number(insert.subFolders);
  json.Key("kinds");
  json.BeginArray();
  for (int c = 1; c < listora::kMaxColumns; ++c) json.Number(insert.kinds[c]);
  json.EndArray();
  json.Key("serial_text");
  json.Cp932String(listora::FixedText(insert.serialText));
  json.Key("serial_start");
  json.Number(insert.serialStart);
  json.Key("serial_digits");
  json.Number(insert.serialDigits);
  json.Key("last_column");
  json.Number(insert.lastColumn);
  json.EndObject();
  json.EndObject();
}

}  // namespace

int RunDump(const std::vector<std::string>& raw) {
  OptionSpec known;
  AddPasswordOptions(known);
  const Args args(raw, known);
  if (args.positional().size() != 1) throw UsageError{"dump needs exactly one FILE"};
  PasswordSource passwords(args);
  const LoadedDocument loaded = LoadForTool(args.positional()[0], passwords);
  const auto& doc = loaded.doc;
  const auto& columns = doc.settings.columns;
  const int count = doc.ColumnCount();

  std::ios::sync_with_stdio(false);
  JsonWriter json(std::cout);
  json.BeginObject();
  json.Key("mode");
  json.Number(loaded.result.header.mode);
  json.Key("version");
  json.Number(loaded.result.header.version);
  json.Key("revision");
  json.Number(loaded.result.header.revision);
  json.Key("column_count");
  json.Number(count);
  json.Key("header_icons");
  json.Number(columns.headerIcons);
  json.Key("columns");
  json.BeginArray();
  for (int c = 1; c < count; ++c) {
    json.BeginObject();
    json.Key("name");
    json.Cp932String(listora::FixedText(columns.names[c]));
    json.Key("width");
    json.Number(columns.widths[c]);
    json.Key("format");
    json.Number(columns.formats[c]);
    json.EndObject();
  }
  json.EndArray();
  json.Key("history");
  json.BeginArray();
  for (const auto& entry : doc.history) json.Cp932String(entry);
  json.EndArray();
  json.Key("settings");
  DumpSettings(json, doc.settings);
  json.Key("items");
  json.BeginArray();
  for (int row = 0; row < doc.items.GetSize(); ++row) {
    json.BeginObject();
    json.Key("cells");
    json.BeginArray();
    for (int c = 1; c < count; ++c) json.Cp932String(doc.items.Cell(row, c));
    json.EndArray();
    json.Key("memo");
    json.Cp932String(doc.items.Memo(row));
    json.Key("image");
    json.Cp932String(doc.items.ImagePath(row));
    json.Key("icon");
    json.Number(doc.items.IconIndex(row).empty() ? 0 : doc.items.IconIndex(row)[0] - '0');
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  FlushStandardOutput();
  return kExitOk;
}

}  // namespace ltbtool
