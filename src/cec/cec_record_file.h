#pragma once
// The record file "cec1.tmp" of a critical exposure contribution analysis: the header, and
// per record its demographic line, its total line and its food lines (the relevant entries
// of the day pass whose share of the total reaches the minimum contribution).
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "cec/cec_work_files.h"
#include "engine/cec_capture.h"
#include "engine/consumption_data.h"
#include "engine/exposure.h"
#include "inputs/master_lists.h"
#include "inputs/residue_tables.h"
#include "reports/report_context.h"

namespace acute {

// What the food lines of a record are made from.
struct CecRecordSource {
  const ConsumptionData* data = nullptr;
  const SurveyPasses* passes = nullptr;
  const std::vector<std::uint64_t>* membership = nullptr;
  const MasterLists* master = nullptr;
  const ResidueTables* res = nullptr;
  // Cumulative runs: the number of chemicals with a residue in a scratch record.
  std::function<int(std::int32_t record)> chemical_count;
};

// One food line of a record, as the report steps read it back.
struct CecFoodLine {
  int food = 0;  // commodity number
  int form = 0;  // food-form code
  float amount = 0;
  float residue = 0;
  float factor1 = 0;
  float factor2 = 1;
  float contribution = 0;  // micrograms (per kg body weight)
  float percent = 0;
  int chemicals = 0;
  std::int32_t record = 0;
};

// The food lines of a record that pass the minimum contribution, in entry order.
std::vector<CecFoodLine> FoodLinesOf(const CecRawRecord& r, const ReportContext& ctx,
                                     const CecRecordSource& src);

// The header lines up to and including "9999" and the empty line after it.
std::string CecRecordHeader(const ReportContext& ctx, int record_iterations, bool cumulative);

// The whole file (header, the records of every chunk in survey order numbered from 1, and
// the total line) and its records as the report steps read them back. The chunks are laid
// out and read back on `threads` threads.
struct CecRecordFileMade {
  std::vector<std::string> text;  // in parts, to be written one after the other
  CecRecordFile file;
};
CecRecordFileMade MakeCecRecordFile(const ReportContext& ctx, int record_iterations,
                                    bool cumulative, const std::vector<CecShareOutput>& shares,
                                    const CecRecordSource& src, int threads);

// The age as a record shows it: "7Y", or "5M" for an infant of 5 months (a negative age).
std::string AgeText(std::int16_t age);
// "M" for "1", "F" for "2", the recorded character otherwise.
std::string SexText(char sex);

}  // namespace acute
