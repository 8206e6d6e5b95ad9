#include "sample_data/kind_layout.h"

#include <stdexcept>

namespace acute::sample {
namespace {

// Standard populations in the order of the attribute/value table of each kind.
std::vector<std::string> SurveyPopulations() {
  return {"U.S. Population",
          "Hispanic",
          "Non-Hispanic White",
          "Non-Hispanic Black",
          "Non-Hispanic Other",
          "Nursing Infants (< 1 yr)",
          "Non-Nursing Infants (< 1 yr)",
          "Females 13+ (pregnant)",
          "Children 1-6 yrs",
          "Children 7-12 yrs",
          "Males 13-19 yrs",
          "Females 13-19 yrs (not preg/nursing)",
          "Males 20+ yrs",
          "Females 20+ yrs (not preg/nursing)",
          "Seniors 55+",
          "All Infants (< 1 yr)",
          "Females 13-50 yrs",
          "Children 1-2 yrs",
          "Children 3-5 yrs",
          "Children 6-12 yrs",
          "Youth 13-19 yrs",
          "Adults 20-49 yrs",
          "Adults 50+ yrs",
          "Female 13-49 yrs"};
}

std::vector<std::string> OlderSurveyPopulations() {
  return {"U.S. Population",
          "U.S. Population - Spring Season",
          "U.S. Population - Summer Season",
          "U.S. Population - Autumn Season",
          "U.S. Population - Winter Season",
          "Northeast Region",
          "North Central Region",
          "Southern Region",
          "Western Region",
          "Hispanic",
          "Non-Hispanic White",
          "Non-Hispanic Black",
          "Non-Hisp/Non-White/Non-Black",
          "All Infants (< 1 yr)",
          "Nursing Infants (< 1 yr)",
          "Non-Nursing Infants (< 1 yr)",
          "Children 1-6 yrs",
          "Children 7-12 yrs",
          "Females 13+ (pregnant)",
          "Females 13+ (nursing)",
          "Females 13-19 yrs (not preg/nursing)",
          "Females 20+ yrs (not preg/nursing)",
          "Females 13-50 yrs",
          "Males 13-19 yrs",
          "Males 20+ yrs",
          "Seniors 55+",
          "Children 1-2 yrs",
          "Children 3-5 yrs",
          "Children 6-12 yrs",
          "Youth 13-19 yrs",
          "Adults 20-49 yrs",
          "Adults 50+ yrs",
          "Female 13-49 yrs"};
}

KindLayout SurveyLayout() {
  KindLayout k;
  k.kind = 2;
  k.survey_persons = 28358;
  k.commodity_record_bytes = 62;
  k.commodity_code_bytes = 10;
  k.version = "21-07-a";
  k.title = "NHANES-style 2003-2010 (sample data)";
  k.residue_extension = "R10";
  k.batch_extension = "B10";
  k.plain_tag = k.version + "NH2";
  k.monte_carlo_tag = k.version + "MCNH2";
  k.cycle_names = {"0304", "0506", "0708", "0910"};
  k.populations = SurveyPopulations();
  return k;
}

KindLayout OlderSurveyLayout() {
  KindLayout k;
  k.kind = 0;
  k.survey_persons = 12365;
  k.commodity_record_bytes = 60;
  k.commodity_code_bytes = 8;
  k.version = "98-12-a";
  k.title = "Older survey 1994-1998 (sample data)";
  k.residue_extension = "R98";
  k.batch_extension = "B98";
  k.plain_tag = "VELD1";
  k.monte_carlo_tag = "VELDMC1";
  k.cycle_names = {"94", "95", "96", "98"};
  k.populations = OlderSurveyPopulations();
  return k;
}

}  // namespace

KindLayout LayoutFor(int kind) {
  KindLayout k;
  if (kind == 2) {
    k = SurveyLayout();
  } else if (kind == 0) {
    k = OlderSurveyLayout();
  } else {
    throw std::runtime_error("sample data: database kind " + std::to_string(kind) +
                             " is not supported (use 0 or 2)");
  }
  for (std::size_t i = 0; i < k.cycle_names.size(); ++i) {
    k.daily_files[i] = "DT" + k.cycle_names[i] + ".DAT";
    k.occasion_files[i] = "EO" + k.cycle_names[i] + ".DAT";
  }
  return k;
}

}  // namespace acute::sample
