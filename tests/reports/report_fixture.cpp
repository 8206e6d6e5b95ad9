#include "reports/report_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "engine/bins.h"
#include "support/test_support.h"

namespace acute::testing {

PopulationAccumulators AcuteBins(float mean) {
  PopulationAccumulators acc;
  acc.m = mean;
  LayOutAcuteBins(acc);
  return acc;
}

void AddUserDay(PopulationAccumulators& acc, float x, double w) {
  acc.sum_wx += w * x;
  acc.sum_wx2 += w * static_cast<double>(x) * x;
  acc.sum_w += w;
  acc.n += 1;
  if (x > acc.max_x) acc.max_x = x;
  acc.bin_w[AcuteBin(x, acc.m)] += w;
  AddNonUsers(acc, w, 1);
}

void AddNonUsers(PopulationAccumulators& acc, double weight, double count) {
  acc.tot_w += weight;
  acc.tot_n += count;
}

PopulationAccumulators DwlocBins(float mean, float top) {
  PopulationAccumulators acc;
  acc.m = mean;
  LayOutDwlocBins(acc, top);
  return acc;
}

void AddDwlocDay(PopulationAccumulators& acc, float v, double w) {
  acc.sum_wx += w * v;
  acc.sum_wx2 += w * static_cast<double>(v) * v;
  acc.sum_w += w;
  acc.n += 1;
  if (v < acc.min_v) acc.min_v = v;
  acc.bin_w[DwlocBin(v, acc.m, acc.bound[0])] += w;
  AddNonUsers(acc, w, 1);
}

ReportContext TestContext(float noel, float arfd, bool pad_flag,
                          std::vector<ReportPopulation> populations) {
  ReportContext ctx;
  ctx.program_version = "1.2.3";
  ctx.food_list_version = "FCID 3.0";
  ctx.database_title = "Test Survey 2001-2002";
  ctx.database_kind = 2;
  ctx.chemical_name = "Testazine";
  ctx.residue_file_path = "/data/residues/TESTAZ.R10";
  ctx.residue_file_date = "01/02/2003";
  ctx.settings.noel = noel;
  ctx.settings.arfd = arfd;
  ctx.settings.pad_flag = pad_flag;
  ctx.settings.per_kg = true;
  ctx.toxicity_code = ToxicityCode(noel, arfd, pad_flag, true, false);
  ctx.page_length = 60;
  ctx.page_number_switch = "Y";
  ctx.orientation = "A";
  ctx.analysis_date = "03/04/2024";
  ctx.analysis_time = "13:05:09";
  ctx.populations = std::move(populations);
  return ctx;
}

ReportContext DwlocContext(float arfd, bool pad_flag, std::vector<ReportPopulation> populations) {
  ReportContext ctx = TestContext(0, arfd, pad_flag, std::move(populations));
  ctx.settings.dwloc = true;
  ctx.toxicity_code = ToxicityCode(0, arfd, pad_flag, true, true);
  return ctx;
}

ReportPopulation Standard(const std::string& name, int number, float pad) {
  ReportPopulation p;
  p.name = p.report_name = name;
  p.number = number;
  p.pad = pad;
  return p;
}

ReportPopulation Custom(const std::string& name, int number, float pad) {
  ReportPopulation p;
  p.name = name;
  p.report_name = "Custom demographics " + std::to_string(number) + ": " + name;
  p.number = number;
  p.custom = true;
  p.pad = pad;
  return p;
}

void ExpectGolden(const std::string& name, const std::string& text) {
  const std::filesystem::path path = std::filesystem::path(ACUTE_TEST_DATA) / "reports" / name;
  const char* update = std::getenv("ACUTE_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") WriteText(path, text);
  ASSERT_TRUE(std::filesystem::exists(path)) << "missing golden file " << path;
  EXPECT_EQ(text, ReadText(path)) << "golden file " << name << " differs";
}

}  // namespace acute::testing
