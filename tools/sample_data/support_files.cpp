#include "sample_data/support_files.h"

#include "common/binary_records.h"
#include "common/print_writer.h"
#include "sample_data/food_form_text.h"
#include "sample_data/text_format.h"

namespace acute::sample {
namespace {

void WriteDescriptions(const std::filesystem::path& path) {
  PrintWriter out;
  for (const DescriptionTable& table : FoodFormTables()) {
    out.Line(Joined({Quoted(table.title), std::to_string(table.texts.size())}));
    for (std::size_t i = 0; i < table.texts.size(); ++i)
      out.Line(Joined({std::to_string(i), Quoted(table.texts[i])}));
  }
  SaveText(path, out);
}

// Commodity record: present flag, code, crop group, 4 bytes (commodity number and 0),
// name, food-form count, first food form.
void WriteCommodityList(const std::filesystem::path& path, const KindLayout& layout,
                        const Catalogue& cat) {
  ByteWriter out;
  for (int c = 1; c <= cat.CommodityCount(); ++c) {
    const Commodity& rac = cat.At(c);
    out.I2(rac.present ? 1 : 0);
    out.Text(rac.code, static_cast<std::size_t>(layout.commodity_code_bytes));
    out.Text(rac.crop_group, 3);
    out.I2(static_cast<std::int16_t>(rac.present ? c : 0));
    out.I2(0);
    out.Text(rac.name, 39);
    out.I2(static_cast<std::int16_t>(rac.form_count));
    out.I2(static_cast<std::int16_t>(rac.first_form));
  }
  SaveBytes(path, out);
}

// Food-form record: code, owning commodity, position within the commodity.
void WriteFoodFormList(const std::filesystem::path& path, const Catalogue& cat) {
  ByteWriter out;
  for (int f = 1; f <= cat.FoodFormCount(); ++f) {
    const FoodForm& form = cat.food_forms[f];
    out.I2(static_cast<std::int16_t>(form.code));
    out.I2(static_cast<std::int16_t>(form.commodity));
    out.I2(static_cast<std::int16_t>(form.position));
  }
  SaveBytes(path, out);
}

void WriteCropGroups(const std::filesystem::path& path, const Catalogue& cat) {
  PrintWriter out;
  for (const CropGroup& g : cat.crop_groups) out.Line(Joined({Quoted(g.code), Quoted(g.name)}));
  SaveText(path, out);
}

void WriteSurveyNotes(const std::filesystem::path& path, const KindLayout& layout, long persons) {
  PrintWriter out;
  out.Line(layout.title);
  out.Line("Generated sample data: not survey results; for demonstrations and tests only.");
  out.Line("Person records: " + std::to_string(persons) + " in four consumption files.");
  out.Line(layout.older_survey() ? "Persons are household-numbered; seasons and regions are given."
                                 : "Persons are numbered by survey sequence number.");
  SaveText(path, out);
}

void WriteCodeIndex(const std::filesystem::path& path, const Catalogue& cat) {
  PrintWriter out;
  for (int c = 1; c <= cat.CommodityCount(); ++c)
    if (cat.At(c).present) out.Line(Joined({std::to_string(c), Quoted(cat.At(c).code)}));
  SaveText(path, out);
}

}  // namespace

void WriteSupportFiles(const std::filesystem::path& folder, const KindLayout& layout,
                       const Catalogue& catalogue, long persons) {
  WriteDescriptions(folder / kSupportFiles[0]);
  WriteCommodityList(folder / kSupportFiles[1], layout, catalogue);
  WriteFoodFormList(folder / kSupportFiles[2], catalogue);
  WriteCropGroups(folder / kSupportFiles[3], catalogue);
  WriteSurveyNotes(folder / kSupportFiles[4], layout, persons);
  WriteCodeIndex(folder / kSupportFiles[5], catalogue);
}

}  // namespace acute::sample
