#include "inputs/rdf/rdf_messages.h"

#include <cmath>

#include "common/input_limits.h"

namespace acute::rdf_message {
namespace {

const char* const kRdfFileError = "RDF file error";
const char* const kCantContinue = "Can't continue";

Message Info(const std::string& title, const std::string& text) {
  return {title, text, Icon::Information, Buttons::Ok};
}

Message Plain(const std::string& title, const std::string& text) {
  return {title, text, Icon::None, Buttons::Ok};
}

std::string AtLine(const std::string& name, int line) {
  return "Error in file " + name + " at line " + std::to_string(line) + ". ";
}

std::string MaxResidueText() {
  return std::to_string(std::lround(kMaxResidue));
}

}  // namespace

Message MissingFiles(const std::string& residue_file, const std::vector<std::string>& names) {
  std::string text =
      "Error: Can't find the following RDF file(s) listed in file " + residue_file + ": ";
  for (const std::string& n : names) text += "  " + n;
  return {"Tarn-VELD Acute Module", text + ". Can't continue.", Icon::Critical, Buttons::Ok};
}

Message CantRead(const std::string& name) {
  return Info(kRdfFileError, "Can't read RDF file " + name + ". Can't continue.");
}

Message CantWriteScratch(const std::string& path) {
  return Info(kRdfFileError, "Can't write the residue value file " + path + ". Can't continue.");
}

Message TooManyRecords(const std::string& residue_file) {
  return Info(kRdfFileError, "The RDF files listed in file " + residue_file + " hold more than " +
                                 std::to_string(kMaxRdfValues) +
                                 " residue values in all. Can't continue.");
}

Message OutOfMemory(const std::string& residue_file) {
  return Info(kRdfFileError,
              "There is not enough memory to hold the residue values of the RDF "
              "files listed in file " +
                  residue_file + ". Can't continue.");
}

Message TooManyCumulativeChemicals(const std::string& residue_file) {
  return Info(kRdfFileError, "The cumulative RDF files listed in file " + residue_file +
                                 " name more than 40 different chemicals; a cumulative "
                                 "analysis can use at most 40. Can't continue.");
}

Message WordProcessingCodes(const std::string& name) {
  return Info("Problem reading RDF file",
              "The RDF file " + name +
                  " appears to have word-processing codes in it (codes that cannot be entered "
                  "from the keyboard). This RDF file cannot be used. It needs to be saved as a "
                  "text file using only characters from the keyboard.");
}

Message ValuesInFirstFourLines(const std::string& name) {
  return Info("Compute RDF distribution",
              "It appears that there are residue values located in the first four lines of RDF "
              "file " +
                  name +
                  ". The first four lines are reserved for comments and keywords. You should "
                  "review this rdf file and remove anything that looks like residue values from "
                  "the first four lines (e.g., a single numeric value or two numeric values "
                  "separated by a comma).");
}

Message TooManyHeaderLines(const std::string& name) {
  return Info(kRdfFileError, "In RDF file " + name +
                                 " there are more than 32767 comment and keyword lines before "
                                 "the first residue value.");
}

Message NChemicalsAfterLodOrFreq(const std::string& name) {
  return Info(kRdfFileError, "RDF file " + name +
                                 " .  You cannot use keywords TOTALLOAD and or TOTALFREQ with "
                                 "NCHEMICALS in the same rdf file.");
}

Message ChemicalNumberRange(const std::string& name) {
  return Info(kRdfFileError, "In RDF file " + name + " .  Chemical number must be in range 1-40.");
}

Message ChemicalNoClosingParenthesis(const std::string& name) {
  return Info(kRdfFileError,
              "In RDF file " + name + " .  In keyword 'CHEMICAL' there is no closing parenthesis.");
}

Message ChemicalNameMissing(const std::string& name, int chemical) {
  const std::string k = std::to_string(chemical);
  return Info(kRdfFileError, "In RDF file " + name + " .  There is no name for chemical " + k +
                                 " (keyword CHEMICAL(" + k + ")).");
}

Message ChemicalNamedTwice(const std::string& name, const std::string& chemical) {
  return Info(kRdfFileError,
              "In RDF file " + name + " .  Chemical " + chemical + " is named twice.");
}

Message FreqInCumulative(const std::string& name) {
  return Info(kRdfFileError, "In RDF file " + name +
                                 ", you can't use keyword TOTALFREQ with cumulative rdf files.");
}

Message LodInCumulative(const std::string& name) {
  return Info(kRdfFileError,
              "RDF file " + name +
                  " .  You cannot use keywords TOTALLOD and NChemicals in the same rdf file.");
}

Message KeywordNotNumber(const std::string& name, int line, const std::string& keyword) {
  return Info(kRdfFileError, "In RDF file " + name + " at line " + std::to_string(line) +
                                 ", the value of keyword " + keyword +
                                 " is missing or is not a number.");
}

Message KeywordOutOfRange(const std::string& name, int line, const std::string& keyword,
                          std::int64_t low, std::int64_t high) {
  return Info(kRdfFileError, "In RDF file " + name + " at line " + std::to_string(line) +
                                 ", keyword " + keyword + " must be a whole number from " +
                                 std::to_string(low) + " to " + std::to_string(high) + ".");
}

Message KeywordNotResidue(const std::string& name, int line, const std::string& keyword) {
  return Info(kRdfFileError, "In RDF file " + name + " at line " + std::to_string(line) +
                                 ", keyword " + keyword + " must be a residue from 0 to " +
                                 MaxResidueText() + ".");
}

Message NotSetOff(const std::string& name) {
  return Info(kRdfFileError, "In RDF file " + name +
                                 " there are comments or some other characters which are not "
                                 "set off with a (') or (DOC).");
}

Message FrequencyZero(const std::string& name, int line) {
  return Plain(kCantContinue, "Error in RDF file " + name + " at line " + std::to_string(line) +
                                  ": At least one residue frequency value set to 0.");
}

Message FrequencyOutOfRange(const std::string& name, int line) {
  return Info(kRdfFileError,
              "Error in RDF file " + name + " at line " + std::to_string(line) +
                  ": a residue frequency must be a whole number from 1 to 2147483647.");
}

Message PairNotNumeric(const std::string& name, int line) {
  return Info(kRdfFileError, AtLine(name, line) +
                                 "There is a non-numeric character where a frequency-residue "
                                 "pair is expected. Can't Continue.");
}

Message ValueNotNumeric(const std::string& name, int line) {
  return Info(kRdfFileError, AtLine(name, line) +
                                 "There is a non-numeric character where a residue value is "
                                 "expected.");
}

Message TooManyValuesOnLine(const std::string& name, int line) {
  return Info(kRdfFileError, AtLine(name, line) +
                                 "There are more than two values where a residue value or a "
                                 "frequency-residue pair is expected.");
}

Message ValueNotResidue(const std::string& name, int line) {
  return Info(kRdfFileError, AtLine(name, line) + "A residue value must lie from 0 to " +
                                 MaxResidueText() +
                                 "; a negative or larger value cannot be a residue.");
}

Message NoComponents(const std::string& name, int line) {
  return Info(kRdfFileError,
              AtLine(name, line) + "There are no cumulative residue components on this line.");
}

Message WrongComponentCount(const std::string& name, int line, std::size_t found, int expected) {
  return Info(kRdfFileError, AtLine(name, line) + "There are " + std::to_string(found) +
                                 " cumulative residue components on this line; NCHEMICALS is " +
                                 std::to_string(expected) + ".");
}

Message TotalNzMismatch(const std::string& name, std::int64_t count, std::int32_t declared) {
  return Plain(kCantContinue, "Error in RDF file " + name +
                                  ": the number of residues without frequencies (" +
                                  std::to_string(count) + ") does not equal declared value " +
                                  "(TOTALNZ =" + std::to_string(declared) + ")");
}

Message TotalFreqMismatch(const std::string& name, std::int64_t count, std::int16_t declared) {
  return Plain(kCantContinue, "Error in " + name + ": the number of frequency-residue pairs (" +
                                  std::to_string(count) + ") does not equal declared value " +
                                  "(TOTALFREQ =" + std::to_string(declared) + ")");
}

Message TooManyPairs(const std::string& name, std::int64_t count) {
  return Info(kRdfFileError, "Error in RDF file " + name +
                                 ": the number of frequency-residue pairs (" +
                                 std::to_string(count) + ") is more than 32767.");
}

Message LodResZero(const std::string& name) {
  return Plain("Can't continue.", "Error in RDF file " + name + ": LODRES set to 0.");
}

Message TooManySamples(const std::string& name) {
  return Info(kRdfFileError, "Error in RDF file " + name +
                                 ": its residue values, LOD samples and zero samples together "
                                 "are more than 2147483647.");
}

Message RowTotalWrong(const std::string& name, std::int64_t row, int chemicals) {
  return Info(kRdfFileError,
              "In rdf file " + name + " in row " + std::to_string(row) +
                  " the total residue value in column 1 does not equal the sum of the " +
                  std::to_string(chemicals) + " residue values that follow in that row.");
}

}  // namespace acute::rdf_message
