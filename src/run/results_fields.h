#pragma once
// Reading the results file back: each value checked for its type before it is used, and a
// fault named by its place in the file as a JSON pointer ("/populations/0/tot_w"). Only the
// results readers include this header.
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "run/results_json.h"

namespace acute::results {

class FileFault : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The place of member `key`, or of item `index`, of the value at `where`.
std::string At(const std::string& where, std::string_view key);
std::string At(const std::string& where, std::size_t index);

// The member `key` of `object`: a list, or (with `may_be_null`) null read as an empty list.
const Json& ListAt(const Json& object, std::string_view key, const std::string& where,
                   bool may_be_null = false);
// The member `key` of `object`: an object, or nullptr for null or an absent member.
const Json* ObjectAt(const Json& object, std::string_view key, const std::string& where);
void ExpectObject(const Json& value, const std::string& where);

enum class Kind { Number, Text, Flag };

// A column of a table: its name and the path of its value below a row's object
// ("per_capita/mean"), of the kind it must be (or null, or absent: an empty field).
struct Column {
  const char* name;
  const char* path;
  Kind kind = Kind::Number;
};

// The value at `path` below `object` as a field: a number at full precision, a text as it
// is, true or false.
std::string FieldAt(const Json& object, std::string_view path, Kind kind, const std::string& where);
// The fields of `columns`, after `lead`.
std::vector<std::string> Fields(const Json& object, std::span<const Column> columns,
                                const std::string& where, std::vector<std::string> lead = {});
// The columns' names, after `lead`.
std::vector<std::string> Names(std::span<const Column> columns, std::vector<std::string> lead = {});

}  // namespace acute::results
