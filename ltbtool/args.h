#pragma once
// Command-line arguments of one subcommand: positional arguments and
// "--name value", "--name=value" or "--flag" options.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace ltbtool {

struct OptionSpec {
  std::set<std::string> withValue;  // "--name VALUE"
  std::set<std::string> flags;      // "--name"
  std::set<std::string> lists;      // "--name V1 V2 ..." up to the next option
};

class Args {
 public:
  // Throws UsageError for unknown options or missing values.
  Args(const std::vector<std::string>& raw, const OptionSpec& known);

  const std::vector<std::string>& positional() const { return positional_; }
  bool Has(const std::string& name) const { return values_.count(name) != 0; }
  std::optional<std::string> Value(const std::string& name) const;
  std::vector<std::string> List(const std::string& name) const;
  // The option's value as an integer; throws UsageError when it is not one.
  std::optional<long> Number(const std::string& name) const;

 private:
  std::vector<std::string> positional_;
  std::map<std::string, std::vector<std::string>> values_;
};

struct UsageError {
  std::string message;
};

}  // namespace ltbtool
