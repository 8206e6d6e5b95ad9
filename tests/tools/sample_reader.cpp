#include "sample_reader.h"

#include <stdexcept>

#include "common/binary_records.h"
#include "common/list_reader.h"
#include "support/test_support.h"

namespace acute::sample::testing {

const SampleManifest& SmallSample(int kind) {
  static acute::testing::ScratchFolder scratch;
  static std::map<int, SampleManifest> written;
  auto found = written.find(kind);
  if (found != written.end()) return found->second;
  SampleOptions options;
  options.kind = kind;
  options.persons = 200;
  options.seed = 7;
  return written[kind] = WriteSampleData(scratch / ("kind" + std::to_string(kind)), options);
}

std::map<std::string, std::string> Snapshot(const std::filesystem::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& item : std::filesystem::recursive_directory_iterator(folder))
    if (item.is_regular_file())
      files[item.path().lexically_relative(folder).generic_string()] =
          acute::testing::ReadText(item.path());
  return files;
}
namespace {

std::vector<Entry> ReadEntries(ByteReader& in, int count, bool times) {
  std::vector<Entry> entries;
  for (int i = 0; i < count; ++i) {
    Entry e;
    e.form = in.I2();
    e.grams = in.R4();
    if (times) e.time = in.I2();
    entries.push_back(e);
  }
  return entries;
}

Group ReadGroup(ByteReader& in, bool times) {
  Group g;
  g.presence = in.I2();
  if (g.presence != 1) return g;
  in.Skip(1 + 4);
  g.member = in.I2();
  in.Skip(1);
  g.age = in.I2();
  g.sex = in.Char();
  g.race = in.Char();
  g.hispanic = in.Char();
  in.Skip(1);
  g.status = in.Char();
  g.nursing = in.Char();
  in.Skip(3 + 4);
  g.weight = in.I4();
  in.Skip(4 + 2 + 2 + 4);
  in.Skip(1 + 2);
  g.body_weight = in.R4();
  in.Skip(4);
  g.month = in.I2();
  g.day = in.I2();
  in.Skip(2);
  int n1 = in.I2();
  g.water1 = in.I2();
  in.Skip(2 + 4 + 2);
  int n2 = in.I2();
  g.water2 = in.I2();
  in.Skip(2);
  g.day1 = ReadEntries(in, n1, times);
  g.day2 = ReadEntries(in, n2, times);
  return g;
}

}  // namespace

std::vector<PersonRecord> ReadConsumption(const std::filesystem::path& path, bool times) {
  ByteReader in = ByteReader::FromFile(path);
  std::vector<PersonRecord> persons;
  for (;;) {
    std::size_t start = in.Position();
    PersonRecord p;
    in.Skip(1);
    p.number = in.I4();
    in.Skip(4);
    p.region = in.Char();
    in.Skip(1 + 2 + 4 + 2 + 4 + 6);
    int groups = in.I2();
    in.Skip(2);
    if (in.Position() - start != 33) throw std::logic_error("person record size");
    if (p.number != 0)
      for (int i = 0; i < groups; ++i) p.groups.push_back(ReadGroup(in, times));
    persons.push_back(p);
    if (p.number == 0) break;
  }
  if (!in.AtEnd()) throw std::runtime_error("bytes after the closing record");
  return persons;
}

MasterLists ReadMasterLists(const std::filesystem::path& folder, int kind) {
  MasterLists lists;
  ByteReader racs = ByteReader::FromFile(folder / "RACLIST.DAT");
  while (!racs.AtEnd()) {
    Rac r;
    r.present = racs.I2();
    r.code = racs.Text(kind == 0 ? 8 : 10);
    racs.Skip(3 + 4);
    r.name = racs.Text(39);
    r.form_count = racs.I2();
    r.first_form = racs.I2();
    lists.racs.push_back(r);
  }
  ByteReader forms = ByteReader::FromFile(folder / "FFLIST.DAT");
  while (!forms.AtEnd()) {
    lists.codes.push_back(forms.I2());
    forms.Skip(4);
  }
  return lists;
}

namespace {
int SettingValue(ListReader& in) {
  std::string line = in.ReadLine();
  return std::stoi(line.substr(line.find('=') + 1));
}

std::vector<std::string> Strings(ListReader& in, int n) {
  std::vector<std::string> out;
  for (int i = 0; i < n; ++i) out.push_back(in.ReadString());
  return out;
}
}  // namespace

SupportList ReadSupportList(const std::filesystem::path& folder) {
  ListReader in(ReadWholeFile(folder / "TarnSupport.txt"));
  SupportList s;
  in.ReadLine();
  s.kind = SettingValue(in);
  s.version = in.ReadLine();
  in.ReadLine();
  s.support = Strings(in, s.kind == 0 ? 7 : 6);
  int first = SettingValue(in);
  int last = SettingValue(in);
  in.ReadLine();
  s.list_a = Strings(in, last - first + 1);
  in.ReadLine();
  s.list_b = Strings(in, last - first + 1);
  s.rac_count = SettingValue(in);
  SettingValue(in);
  s.food_forms = SettingValue(in);
  s.populations = Strings(in, SettingValue(in));
  if (!in.AtEnd()) throw std::runtime_error("text after the population names");
  return s;
}

namespace {
std::vector<Pointer> Pointers(ListReader& in, int chemicals) {
  std::vector<Pointer> out;
  for (int i = 0; i < chemicals; ++i) {
    Pointer p;
    p.rdl = in.ReadInt16();
    p.ratio = in.ReadSingle();
    out.push_back(p);
  }
  return out;
}

void ReadRdlLine(ListReader& in, ResidueRead& r) {
  int index = in.ReadInt16();
  int type = in.ReadInt16();
  r.rdl_types[index] = type;
  if (type == 6) r.rdf_files[index] = in.ReadString();
  int params = type == 6 ? 0 : type == 1 ? 2 : type == -1 || type == 7 ? 1 : 3;
  for (int i = 0; i < params; ++i) in.ReadSingle();
  if (in.ReadInt16() != 0) in.ReadLine();
}

ResidueLine ReadCommodity(ListReader& in, const ResidueRead& r, bool mc) {
  ResidueLine line;
  line.commodity = in.ReadInt16();
  line.code = in.ReadString();
  in.ReadString();
  line.residue = in.ReadSingle();
  if (mc) line.pointers = Pointers(in, r.chemicals);
  in.ReadSingle();
  in.ReadSingle();
  int forms = in.ReadInt16();
  in.ReadString();
  in.ReadString();
  for (int i = 0; i < forms; ++i) {
    line.form_codes.push_back(in.ReadInt16());
    in.ReadString();
    in.ReadSingle();
    if (mc) line.form_pointers.push_back(Pointers(in, r.chemicals));
    in.ReadSingle();
    in.ReadSingle();
    in.ReadString();
  }
  return line;
}
}  // namespace

ResidueRead ReadResidue(const std::filesystem::path& path) {
  ListReader in(ReadWholeFile(path));
  ResidueRead r;
  in.ReadString();
  in.ReadDouble();
  r.tag = in.ReadString();
  r.arfd = in.ReadSingle();
  in.ReadString();
  in.ReadDouble();
  r.noel = in.ReadSingle();
  in.ReadDouble();
  in.ReadString();
  const bool mc = r.tag.find("MC") != std::string::npos;
  int rdls = mc ? in.ReadInt16() : 0;
  for (int i = 0; i < rdls; ++i) ReadRdlLine(in, r);
  if (in.ReadInt16() == -1) {
    r.comment = in.ReadString();
    in.ReadInt16();
  }
  r.chemicals = in.ReadInt16();
  while (!in.AtEnd()) r.lines.push_back(ReadCommodity(in, r, mc));
  return r;
}

}  // namespace acute::sample::testing
