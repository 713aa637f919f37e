#include "ltbtool/args.h"

#include <charconv>

namespace ltbtool {

Args::Args(const std::vector<std::string>& raw, const OptionSpec& known) {
  for (std::size_t i = 0; i < raw.size(); ++i) {
    const std::string& arg = raw[i];
    if (arg == "--") {
      positional_.insert(positional_.end(), raw.begin() + i + 1, raw.end());
      break;
    }
    if (arg.size() < 2 || arg[0] != '-' || arg == "-") {
      positional_.push_back(arg);
      continue;
    }
    std::string name = arg;
    std::optional<std::string> inlineValue;
    if (const auto eq = arg.find('='); eq != std::string::npos) {
      name = arg.substr(0, eq);
      inlineValue = arg.substr(eq + 1);
    }
    auto& slot = values_[name];
    if (known.flags.count(name)) {
      if (inlineValue) throw UsageError{"option '" + name + "' takes no value"};
      slot.push_back({});
    } else if (known.withValue.count(name)) {
      if (inlineValue) {
        slot.push_back(*inlineValue);
      } else if (i + 1 < raw.size()) {
        slot.push_back(raw[++i]);
      } else {
        throw UsageError{"option '" + name + "' needs a value"};
      }
    } else if (known.lists.count(name)) {
      if (inlineValue) slot.push_back(*inlineValue);
      while (i + 1 < raw.size() && !(raw[i + 1].size() > 1 && raw[i + 1][0] == '-'))
        slot.push_back(raw[++i]);
      if (slot.empty()) throw UsageError{"option '" + name + "' needs at least one value"};
    } else {
      throw UsageError{"unknown option '" + name + "'"};
    }
  }
}

std::optional<std::string> Args::Value(const std::string& name) const {
  const auto it = values_.find(name);
  if (it == values_.end() || it->second.empty()) return std::nullopt;
  return it->second.back();
}

std::vector<std::string> Args::List(const std::string& name) const {
  const auto it = values_.find(name);
  return it == values_.end() ? std::vector<std::string>{} : it->second;
}

std::optional<long> Args::Number(const std::string& name) const {
  const auto text = Value(name);
  if (!text) return std::nullopt;
  long value = 0;
  const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), value);
  if (ec != std::errc() || end != text->data() + text->size())
    throw UsageError{"option '" + name + "' needs a number, not '" + *text + "'"};
  return value;
}

}  // namespace ltbtool
