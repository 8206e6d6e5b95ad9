#pragma once
// Every message of the distribution file set-up, and the error that carries one out of the
// readers to SetUpRdfs, which shows it.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/user_port.h"

namespace acute {

// The residue values all the distribution files of one residue file may hold (with their
// frequencies): they are held in memory (4 bytes each) and written to the scratch file.
// Monitoring data sets hold thousands of samples; twenty million is far beyond any.
inline constexpr std::int64_t kMaxRdfValues = 20'000'000;

class RdfError : public std::runtime_error {
 public:
  explicit RdfError(Message message)
      : std::runtime_error(message.text), message_(std::move(message)) {}
  const Message& message() const { return message_; }

 private:
  Message message_;
};

// Cancel was confirmed in the progress window.
struct RdfCancelled {};

namespace rdf_message {

// Files and passes as a whole.
Message MissingFiles(const std::string& residue_file, const std::vector<std::string>& names);
Message CantRead(const std::string& name);
Message CantWriteScratch(const std::string& path);
Message TooManyRecords(const std::string& residue_file);
Message OutOfMemory(const std::string& residue_file);
Message TooManyCumulativeChemicals(const std::string& residue_file);

// Header.
Message WordProcessingCodes(const std::string& name);
Message ValuesInFirstFourLines(const std::string& name);
Message TooManyHeaderLines(const std::string& name);
Message NChemicalsAfterLodOrFreq(const std::string& name);
Message ChemicalNumberRange(const std::string& name);
Message ChemicalNoClosingParenthesis(const std::string& name);
Message ChemicalNameMissing(const std::string& name, int chemical);
Message ChemicalNamedTwice(const std::string& name, const std::string& chemical);
Message FreqInCumulative(const std::string& name);
Message LodInCumulative(const std::string& name);
Message KeywordNotNumber(const std::string& name, int line, const std::string& keyword);
Message KeywordOutOfRange(const std::string& name, int line, const std::string& keyword,
                          std::int64_t low, std::int64_t high);
Message KeywordNotResidue(const std::string& name, int line, const std::string& keyword);

// Data lines.
Message NotSetOff(const std::string& name);
Message FrequencyZero(const std::string& name, int line);
Message FrequencyOutOfRange(const std::string& name, int line);
Message PairNotNumeric(const std::string& name, int line);
Message ValueNotNumeric(const std::string& name, int line);
Message TooManyValuesOnLine(const std::string& name, int line);
Message ValueNotResidue(const std::string& name, int line);
Message NoComponents(const std::string& name, int line);
Message WrongComponentCount(const std::string& name, int line, std::size_t found, int expected);

// Counts after the first pass.
Message TotalNzMismatch(const std::string& name, std::int64_t count, std::int32_t declared);
Message TotalFreqMismatch(const std::string& name, std::int64_t count, std::int16_t declared);
Message TooManyPairs(const std::string& name, std::int64_t count);
Message LodResZero(const std::string& name);
Message TooManySamples(const std::string& name);

// Cumulative rows.
Message RowTotalWrong(const std::string& name, std::int64_t row, int chemicals);

}  // namespace rdf_message
}  // namespace acute
