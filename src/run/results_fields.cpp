#include "run/results_fields.h"

#include <cmath>

#include "common/number_text.h"

namespace acute::results {
namespace {

const char* KindName(Kind kind) {
  switch (kind) {
    case Kind::Number:
      return "a number";
    case Kind::Text:
      return "a text";
    case Kind::Flag:
      return "true or false";
  }
  return "";
}

[[noreturn]] void Misplaced(const std::string& where, const std::string& expected) {
  throw FileFault((where.empty() ? std::string("the file") : where) + " is not " + expected);
}

std::string NumberField(const Json& value) {
  if (value.is_number_unsigned()) return std::to_string(value.get<std::uint64_t>());
  if (value.is_number_integer()) return std::to_string(value.get<std::int64_t>());
  const double v = value.get<double>();
  return std::isfinite(v) ? NumberText(v) : "";
}

std::string ValueField(const Json& value, Kind kind, const std::string& where) {
  if (value.is_null()) return "";
  if (kind == Kind::Number && value.is_number()) return NumberField(value);
  if (kind == Kind::Text && value.is_string()) return value.get<std::string>();
  if (kind == Kind::Flag && value.is_boolean()) return value.get<bool>() ? "true" : "false";
  Misplaced(where, std::string(KindName(kind)) + " or null");
}

}  // namespace

std::string At(const std::string& where, std::string_view key) {
  return where + "/" + std::string(key);
}

std::string At(const std::string& where, std::size_t index) {
  return where + "/" + std::to_string(index);
}

const Json& ListAt(const Json& object, std::string_view key, const std::string& where,
                   bool may_be_null) {
  static const Json empty = Json::array();
  const std::string place = At(where, key);
  const auto it = object.find(std::string(key));
  if (it == object.end()) throw FileFault(place + " is missing");
  if (may_be_null && it->is_null()) return empty;
  if (!it->is_array()) Misplaced(place, may_be_null ? "a list or null" : "a list");
  return *it;
}

const Json* ObjectAt(const Json& object, std::string_view key, const std::string& where) {
  const auto it = object.find(std::string(key));
  if (it == object.end() || it->is_null()) return nullptr;
  ExpectObject(*it, At(where, key));
  return &*it;
}

void ExpectObject(const Json& value, const std::string& where) {
  if (!value.is_object()) Misplaced(where, "an object");
}

std::string FieldAt(const Json& object, std::string_view path, Kind kind,
                    const std::string& where) {
  const Json* at = &object;
  std::string place = where;
  for (;;) {
    const std::size_t slash = path.find('/');
    const std::string_view key = path.substr(0, slash);
    place = At(place, key);
    const auto it = at->find(std::string(key));
    if (it == at->end()) return "";
    if (slash == std::string_view::npos) return ValueField(*it, kind, place);
    if (it->is_null()) return "";
    ExpectObject(*it, place);
    at = &*it;
    path.remove_prefix(slash + 1);
  }
}

std::vector<std::string> Fields(const Json& object, std::span<const Column> columns,
                                const std::string& where, std::vector<std::string> lead) {
  ExpectObject(object, where);
  for (const Column& c : columns) lead.push_back(FieldAt(object, c.path, c.kind, where));
  return lead;
}

std::vector<std::string> Names(std::span<const Column> columns, std::vector<std::string> lead) {
  for (const Column& c : columns) lead.emplace_back(c.name);
  return lead;
}

}  // namespace acute::results
