#pragma once
// A run's entry in the work folder's list of work files: what kind of run it was, the
// settings the pass file does not carry (two-day average, generator, reversal and half-life,
// hold, QA listing, cumulative CEC), the seed it used, and the hashes of the residue file and
// distribution files it read. Redo Last CEC takes its settings from there and refuses when
// one of those files has changed since.
#include <string>

#include "common/work_manifest.h"
#include "engine/analysis_settings.h"
#include "inputs/residue_data.h"

namespace acute {

// Fills `record` for a run of `kind` ("acute", "dwloc", "batch-entry", ...).
void DescribeRun(WorkRun& record, const std::string& kind, const FormSettings& form,
                 const AnalysisSettings& settings, const ResidueData& residue);

// The settings of `record` that the pass file does not carry, over `base`.
FormSettings FormSettingsOf(const WorkRun& record, FormSettings base);

// Empty when every file the run read is there with the hash it had; otherwise a message
// naming the file that changed.
std::string ChangedInputFault(const WorkRun& record);

}  // namespace acute
