// The progress window's status texts, composed from the reports of the library.
#include "common/progress_report.h"

#include <gtest/gtest.h>

namespace acute {
namespace {

TEST(StatusText, PhaseStepPercentAndLineEachOnALine) {
  EXPECT_EQ(StatusText({"Acute Analysis Progress Report", "Setting up analysis", "", {}, {}}),
            "Setting up analysis");
  EXPECT_EQ(StatusText({"Acute Analysis Progress Report", "Computing Exposure", "", 42, {}}),
            "Computing Exposure\r\nProgress:    42%");
  EXPECT_EQ(StatusText({"DWLOC Analysis Progress Report", "Reading SAMPLE.RDF", "First pass",
                        std::nullopt, std::nullopt}),
            "Reading SAMPLE.RDF\r\nFirst pass");
  EXPECT_EQ(StatusText({"DWLOC Analysis Progress Report", "Reading SAMPLE.RDF", "Second pass",
                        std::nullopt, 7000}),
            "Reading SAMPLE.RDF\r\nSecond pass\r\nAt line 7000");
}

}  // namespace
}  // namespace acute
