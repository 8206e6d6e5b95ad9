#include "forms/acute_help.h"

#include <string>
#include <vector>

namespace acute {
namespace {

std::string Lines(const std::vector<std::string>& lines, const char* between = "\n") {
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) out += (i > 0 ? between : "") + lines[i];
  return out;
}

bool More(UserPort& port, const char* title, const std::vector<std::string>& lines) {
  return port.Show(Message{title, Lines(lines), Icon::Information, Buttons::YesNo}) == Answer::Yes;
}

}  // namespace

void ShowAcuteHelp(UserPort& port, const SupportData& support) {
  const char* help = "Acute Help";
  const char* cec = "Help: Critical Exposure Contribution (CEC) Analysis";
  if (!More(port, help,
            {"This is the Tarn-VELD Acute Analysis module.",
             "To start, click on 'File' in the top menu bar; then select a residue file or batch "
             "file; a list of available residue or batch files will be displayed in a standard "
             "dialog box.",
             "After the file is selected, more analysis parameters will be displayed for "
             "selection.",
             "Select the desired parameters and subpopulations to be included in the analysis. "
             "Custom subpopulations are enabled by entering a subpopulation name in the first "
             "available field, then clicking on the index number (e.g., (1)) to display a new "
             "form with demographic variables for that subpop.",
             "Click on 'Run Analysis' to start the Acute analysis. When analysis is completed, "
             "click on 'Last Acute Report' to view or print report.",
             "Click on 'File/Edit Batch File' to bring up the batch file editor.",
             "Do you want to see more help messages?"}))
    return;
  if (!More(port, help,
            {"Click on 'Exit' to exit this program.",
             "You must close one file before you can load another. ",
             "Residue File extensions: ." + support.ResidueExtension(),
             "Batch File extensions: ." + support.BatchExtension(),
             "Report File extensions: AC1 = residue file report; AC2 = Batch file report; AC3 = "
             "RDF summary report; AC10 = Acute analysis report.",
             "Plot file extension: PLT = acute plot file.",
             "Do you want to see more help messages?"}))
    return;
  if (!More(port, help,
            {"Food/foodforms: 'daily total' uses the one residue value for each food/foodform "
             "consumed on the same day; 'Eating occasion' applies a different residue value each "
             "time a food/foodform is consumed.",
             "'Use second adjustment factor' If this is checked, the second adjustment factor in "
             "the residue file will be used in computing exposure amounts; otherwise it will be "
             "ignored.",
             "'Divide by body weight' If this is checked, the exposure amounts are reported in "
             "mg/kg of body weight per day; otherwise, exposure is reported in mg/day. Toxicology "
             "endpoints can only be used if body weight is checked.",
             "'Monte Carlo Analysis' This option only appears if there is a residue distribution "
             "list in the residue file. If you check this option, then you must enter the number "
             "of MC iterations per individual and a seed number (0 to 32000). 0 produces a new set "
             "of random numbers for an analysis; any other seed number produces a reproducible set "
             "of random numbers unique to that seed.",
             "'Last Acute Rpt', 'Last Acute Plot File' and 'Last CEC report', all display the "
             "associated report generated the during the last Acute analysis.",
             "Do you want to see CEC messages?"}))
    return;
  if (!More(port, cec,
            {"Use 'Save CEC File' to look at highest individual exposure records, including "
             "individual demographics, for selected populations.",
             "'Min(imum) Exposure Contribution by Food' is the percent of any individual's total "
             "exposure at or above which the contributing food/foodform and residue amounts will "
             "be saved to the CEC file.",
             "'Max(imum) number of printed records' is the number of the highest individual "
             "exposure records that will be included in the CEC file.",
             "'Low Percentile' and 'High Percentile' determine the percentile range for which CEC "
             "records are reported and summarized (95% to 100% range only).",
             "'Excel format' forces CEC report to wider, comma delimited format for easy Excel "
             "import as CSV file.",
             "Do you want to see more help messages related to CEC report generation?"}))
    return;
  Tell(port, cec,
       Lines({"'Surpress Warning:' For large numbers of MC iterations with large populations "
              "(e.g., U.S. Pop) a warning is posted after the CEC calibration if too many CEC "
              "records will be generated. If this message is surpressed, the analysis will "
              "automatically continue with no CEC records generated for the higher iterations.",
              "'Redo last CEC' allows you to change Low and High Percentiles, Max number of "
              "records, and CEC file name used in generating the last CEC file and regenerate the "
              "CEC file without rerunning the acute exposure analysis.",
              "Press 'Last CEC Rpt' to view the last CEC file generated during the acute analysis "
              "or after CEC file regeneration.",
              "You cannot generate a CEC analysis during a batch run."}),
       Icon::Information);
}

void ShowCumulativeHelp(UserPort& port) {
  Tell(port, "Cumulative CEC analysis",
       Lines({"The Cumulative CEC function will only be activated when the following conditions "
              "are met:",
              "(1) Every commodity in the current residue file must have an associated RDF file.",
              "(2) Every referenced RDF file in the residue file must have the RDF keyword "
              "'NCHEMCIALS' inside the RDF file and the appropriate aggregate and disaggregate "
              "residue data for each residue observation in the file.",
              "(3) You must click on 'Monte Carlo Analysis' and specify the number of iterations "
              "and the seed number.",
              "(4) You must click on 'Save CEC File' and specify the CEC report criteria.",
              "(5) You must click on 'RDF Summary' at the bottom of the form, which will display a "
              "list of RDF files associated with this analysis. If the first 4 criteria are met, "
              "then the RDF Summary report will show the assignment of chemicals in each of the "
              "RDF files for use in the cumulative analysis.",
              "(6) If all of the above conditions are met, the 'Cumulative CEC' check box will be "
              "enabled; you must check this to perform the cumulative analysis."},
             "\n\n"),
       Icon::Information);
}

}  // namespace acute
