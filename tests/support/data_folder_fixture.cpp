#include "support/data_folder_fixture.h"

#include <algorithm>
#include <fstream>

#include "common/binary_records.h"
#include "support/test_support.h"

namespace acute::testing {
namespace {

void WriteMasterLists(const std::filesystem::path& folder, const FixtureOptions& o) {
  ByteWriter racs, forms;
  int next = 1;
  const std::size_t code_width = o.kind == 0 ? 8 : 10;
  for (int c = 1; c <= o.rac_count; ++c) {
    bool present = std::find(o.present.begin(), o.present.end(), c) != o.present.end();
    racs.I2(present ? 1 : 0);
    std::string code = c == 532 ? "86010000" : c == 533 ? "86020000" : std::to_string(10000000 + c);
    racs.Text(present ? code : "", code_width);
    racs.Text("01", 3);
    racs.Zeros(4);
    racs.Text(present ? "Commodity " + std::to_string(c) : "", 39);
    racs.I2(static_cast<std::int16_t>(present ? o.forms_per_commodity : 0));
    racs.I2(static_cast<std::int16_t>(present ? next : 0));
    if (!present) continue;
    for (int n = 1; n <= o.forms_per_commodity; ++n, ++next) {
      forms.I2(static_cast<std::int16_t>(10 + n));
      forms.Zeros(4);
    }
  }
  racs.Save(folder / "RACLIST.DAT");
  forms.Save(folder / "FFLIST.DAT");
}

int FoodFormCount(const FixtureOptions& o) {
  return static_cast<int>(o.present.size()) * o.forms_per_commodity;
}

void WriteSupportList(const std::filesystem::path& folder, const FixtureOptions& o) {
  std::string t = "Support list\r\nDatabaseKind = " + std::to_string(o.kind) + "\r\n" + o.version +
                  "\r\nTest survey\r\n";
  t += "\"FFDESC.TXT\",\"RACLIST.DAT\",\"FFLIST.DAT\",\"CROPGRP.TXT\",\"SURVEY.TXT\",\"RACCODES."
       "TXT\"\r\n";
  if (o.kind == 0) t += "\"HHDEMO.DAT\"\r\n";
  t += "First = " + std::to_string(o.first_index) + "\r\nLast = " + std::to_string(o.last_index) +
       "\r\nDaily totals\r\n";
  for (int i = o.first_index; i <= o.last_index; ++i)
    t += "\"A" + std::to_string(i) + ".DAT\"" + (i < o.last_index ? "," : "\r\n");
  t += "Eating occasions\r\n";
  for (int i = o.first_index; i <= o.last_index; ++i) t += "\"B" + std::to_string(i) + ".DAT\"\r\n";
  t += "RacCount = " + std::to_string(o.rac_count) +
       "\r\nCount3 = 7\r\nFoodFormCount = " + std::to_string(FoodFormCount(o)) +
       "\r\nPopulations = 3\r\n";
  t += "\"U.S. Population\"\r\n\"Hispanic\"\r\n\"Non-Hispanic White\"\r\n";
  WriteText(folder / "TarnSupport.txt", t);
}

}  // namespace

int MasterFoodForm(const FixtureOptions& o, int c, int n) {
  auto it = std::find(o.present.begin(), o.present.end(), c);
  return static_cast<int>(it - o.present.begin()) * o.forms_per_commodity + n;
}

void WriteDataFolder(const std::filesystem::path& folder, const FixtureOptions& o) {
  std::filesystem::create_directories(folder / "residues");
  std::filesystem::create_directories(folder / "survey");
  WriteSupportList(folder, o);
  WriteMasterLists(folder, o);
  for (const char* name : {"FFDESC.TXT", "CROPGRP.TXT", "SURVEY.TXT", "RACCODES.TXT"})
    WriteText(folder / name, "x\r\n");
  if (o.kind == 0) WriteText(folder / "HHDEMO.DAT", "");
  std::string setup = (folder / "residues").string() + "/\r\n60\r\nA\r\nx\r\n" +
                      o.consumption_folder + "\r\nx\r\nY\r\nx\r\nx\r\n";
  if (!o.setup_line10.empty()) setup += o.setup_line10 + "\r\n";
  WriteText(folder / "setupTARNNH.txt", setup);
}

}  // namespace acute::testing
