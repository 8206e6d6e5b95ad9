#pragma once
// Readers for the files of a generated sample folder, written from the file layouts
// alone, so that the tests check the generator against the layouts and not against itself.
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "sample_data/sample_data.h"

namespace acute::sample::testing {

// A 200-person folder of the kind (0 or 2), written once per test run.
const SampleManifest& SmallSample(int kind);

// Every file under `folder` by its relative name, with its bytes.
std::map<std::string, std::string> Snapshot(const std::filesystem::path& folder);

struct Entry {
  std::int16_t form = 0;
  float grams = 0;
  std::int16_t time = 0;
};

struct Group {
  std::int16_t presence = 0;
  std::int16_t member = 0;
  std::int16_t age = 0;
  char sex = 0, race = 0, hispanic = 0, status = 0, nursing = 0;
  std::int32_t weight = 0;
  float body_weight = 0;
  std::int16_t month = 0, day = 0, water1 = 0, water2 = 0;
  std::vector<Entry> day1, day2;
};

struct PersonRecord {
  std::int32_t number = 0;
  char region = 0;
  std::vector<Group> groups;
};

// Person records up to and including the closing one (person number 0); throws when the
// file ends inside a record or holds bytes after the closing record.
std::vector<PersonRecord> ReadConsumption(const std::filesystem::path& path, bool times);

struct Rac {
  std::int16_t present = 0;
  std::string code, name;
  std::int16_t form_count = 0, first_form = 0;
};

struct MasterLists {
  std::vector<Rac> racs;            // index = commodity number - 1
  std::vector<std::int16_t> codes;  // index = food-form number - 1
};

MasterLists ReadMasterLists(const std::filesystem::path& folder, int kind);

struct SupportList {
  int kind = -1;
  std::string version;
  std::vector<std::string> support;  // six, or seven for kind 0
  std::vector<std::string> list_a, list_b;
  int rac_count = 0, food_forms = 0;
  std::vector<std::string> populations;
};

SupportList ReadSupportList(const std::filesystem::path& folder);

struct Pointer {
  int rdl = 0;
  float ratio = 0;
};

struct ResidueLine {
  int commodity = 0;
  std::string code;
  float residue = 0;
  std::vector<Pointer> pointers;
  std::vector<int> form_codes;
  std::vector<std::vector<Pointer>> form_pointers;
};

struct ResidueRead {
  std::string tag;
  float arfd = 0, noel = 0;
  std::map<int, int> rdl_types;
  std::map<int, std::string> rdf_files;
  std::string comment;
  int chemicals = 0;
  std::vector<ResidueLine> lines;
};

// Reads a residue file value by value, as the residue file reader takes it.
ResidueRead ReadResidue(const std::filesystem::path& path);

}  // namespace acute::sample::testing
