#pragma once
// The names of the files a run and the report buttons keep in the work folder. Their formats
// are fixed (other programs, Redo Last CEC and the Show Last buttons read them); the names
// are here, once.
namespace acute {

// The analysis pass file, written by every run.
inline constexpr const char* kPassFileName = "tarnpass.tmp";
// The last reports and plot files.
inline constexpr const char* kAcuteReportFileName = "acute.tmp";
inline constexpr const char* kAcutePlotFileName = "plot.tmp";
inline constexpr const char* kDwlocReportFileName = "dwloc.tmp";
inline constexpr const char* kDwlocPlotFileName = "DWPlot.tmp";
inline constexpr const char* kQaListingFileName = "dwloc2.tmp";
// The residue values of the distribution files.
inline constexpr const char* kRdfScratchFileName = "rdfacute.tmp";
// The CEC work files: records, sections, users' distributions, ranked records, the report,
// and for cumulative reports the ranked records with chemicals and the per-chemical residues.
inline constexpr const char* kCecRecordFileName = "cec1.tmp";
inline constexpr const char* kCecSectionsFileName = "cec2.tmp";
inline constexpr const char* kCecExposFileName = "expos.tmp";
inline constexpr const char* kCecRankedFileName = "cec3.tmp";
inline constexpr const char* kCecRankedCumulativeFileName = "cec3b.tmp";
inline constexpr const char* kCecReportFileName = "cec4.tmp";
inline constexpr const char* kCumulativeFileName = "cumul.tmp";
// Every figure of the last run's reports as JSON (a batch run's lists its entries).
inline constexpr const char* kResultsFileName = "results.json";
// The residue file, distribution summary and batch file reports.
inline constexpr const char* kResidueReportWorkFile = "acuteres.tmp";
inline constexpr const char* kRdfReportWorkFile = "rdf.tmp";
inline constexpr const char* kBatchReportWorkFile = "batch.tmp";
// The folder's list of its set, the note of a commit under way, and the run lock.
inline constexpr const char* kManifestFileName = ".acute-set";
inline constexpr const char* kPendingCommitFileName = ".acute-set.pending";
inline constexpr const char* kLockFileName = ".acute-run.lock";

}  // namespace acute
