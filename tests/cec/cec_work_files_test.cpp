// The CEC work files that Redo Last CEC reads back: every field within the limits the input
// readers set, and header lines whose numbers are numbers.
#include "cec/cec_work_files.h"

#include <gtest/gtest.h>

#include "cec/cec_fixture.h"
#include "common/work_manifest.h"

namespace acute {
namespace {

// A section file of one record with one food line; each part can be replaced.
struct SectionParts {
  std::string head = " 0 \r\n 1  All\r\n 1 \r\n 0 \r\n 90  0.1  100  0.5 \r\n";
  std::string line1 = " 1,   1,  1,   1,  M,  30Y,   70,   1,    1\r\n";
  std::string numbers = " 1  0.2  3 \r\n";
  std::string food = "     1,  11,   100.0,   1.000000,  1.00,  1.00,  0.1,  50.00\r\n";
  std::string Text() const { return head + line1 + numbers + food; }
};

// Whether `parse` refuses its text as damage of `file` with a message that goes on with `why`.
template <typename Parse>
::testing::AssertionResult RefusedAs(Parse parse, const std::string& file, const std::string& why) {
  try {
    parse();
  } catch (const CecFileError& e) {
    const std::string expected = "The work file " + file + " is damaged: " + why;
    if (std::string(e.what()).rfind(expected, 0) == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << e.what();
  }
  return ::testing::AssertionFailure() << "read without a refusal";
}

TEST(CecWorkFiles, SectionFieldsOutsideTheirLimitsAreDamage) {
  ASSERT_EQ(ParseSections(SectionParts{}.Text()).list[0].records.size(), 1u);
  const std::string food_head = "     1,  11,   ";
  struct Case {
    std::string SectionParts::*part;
    std::string text;
    std::string why;
  };
  const Case cases[] = {
      {&SectionParts::food, food_head + "-5,   1.0,  1.00,  1.00,  0.1,  50.00",
       "a negative amount of food (-5)"},
      {&SectionParts::food, food_head + "2e5,   1.0,  1.00,  1.00,  0.1,  50.00",
       "an amount of food above 100000"},
      {&SectionParts::food, food_head + "100,   -1.0,  1.00,  1.00,  0.1,  50.00",
       "a negative residue (-1)"},
      {&SectionParts::food, food_head + "100,   1.0,  -1,  1.00,  0.1,  50.00",
       "a negative adjustment factor (-1)"},
      {&SectionParts::food, food_head + "100,   1.0,  1.00,  1.00,  0.1,  nan",
       "a food line that is not a list of numbers"},
      {&SectionParts::food, "     0,  11,   100,   1.0,  1.00,  1.00,  0.1,  50.00",
       "a commodity number (0) outside 1 to 32767"},
      {&SectionParts::food, food_head + "100,   1.0,  1.00,  1.00,  0.1,  50.00, 41, 1",
       "a number of chemicals (41) outside 0 to 40"},
      {&SectionParts::line1, " 1,   1,  1,   1,  M,  30Y,   -70,   1,    1",
       "a body weight of 0 or less"},
      {&SectionParts::line1, " 1,   1,  1,   1,  M,  30Y,   1e4,   1,    1",
       "a body weight above 1000"},
      {&SectionParts::line1, " 1,   1,  1,   1,  M,  30Y,   inf,   1,    1",
       "a record line with text where a number belongs"},
      {&SectionParts::line1, " 1,   1,  1,   3,  M,  30Y,   70,   1,    1",
       "a day number (3) outside 1 to 2"},
      {&SectionParts::line1, " 1,   1,  1,   1,  M,  -3Y,   70,   1,    1",
       "an age that is not a number of years or months"},
      {&SectionParts::line1, " 1,   1,  1,   1,  M,  30Y,   70,   2,    1",
       "a record whose two lines give different numbers of food lines"},
      {&SectionParts::line1, " 1,   1,  1,   1,  M,  30Y,   70,   1,    0",
       "a number of iterations of a record (0) outside 1 to"},
      {&SectionParts::numbers, " 1  -0.2  3 ", "a negative total exposure (-0.2)"},
      {&SectionParts::numbers, " 1  0.2  -3 ", "a sample weight (-3) outside 0 to"},
      {&SectionParts::head, " 0 \r\n 1  All\r\n 1 \r\n 2 \r\n 90  0.1  100  0.5 ",
       "a window basis (2) outside 0 to 1"},
      {&SectionParts::head, " 0 \r\n 1  All\r\n 1 \r\n 0 \r\n 90  -0.1  100  0.5 ",
       "a negative window exposure (-0.1)"},
      {&SectionParts::head, " 2 \r\n 1  All\r\n 1 \r\n 0 \r\n 90  0.1  100  0.5 ",
       "a cumulative flag (2) outside 0 to 1"},
  };
  for (const Case& c : cases) {
    SectionParts parts;
    parts.*c.part = c.text + "\r\n";
    EXPECT_TRUE(RefusedAs([&] { ParseSections(parts.Text()); }, "cec2.tmp", c.why)) << c.text;
  }
  // Numbers that no field can hold are damage, never converted.
  const std::pair<std::string SectionParts::*, std::string> beyond[] = {
      {&SectionParts::numbers, " 1  1e39  3 \r\n"},    // a total beyond single precision
      {&SectionParts::numbers, " 1  0.2  1e10 \r\n"},  // a sample weight beyond 32 bits
      {&SectionParts::food, "     1e12,  11,   100.0,   1.0,  1.00,  1.00,  0.1,  50.00\r\n"},
  };
  for (const auto& [part, text] : beyond) {
    SectionParts parts;
    parts.*part = text;
    EXPECT_THROW(ParseSections(parts.Text()), CecFileError) << text;
  }
  EXPECT_THROW(ParseExpos(" 70000  0  0  0  0 \r\n 0 \r\n"), CecFileError);
}

TEST(CecWorkFiles, ExposFieldsOutsideTheirLimitsAreDamage) {
  const std::string good =
      " 2  0  4  611  1437 \r\n 0 \r\n 1  5 \r\n 0  0  99.5 \r\n 1  0.1  40 \r\n";
  ASSERT_EQ(ParseExpos(good).users.size(), 1u);
  struct Case {
    std::string from, to, why;
  };
  const Case cases[] = {
      {" 1  0.1  40 ", " 1  -0.1  40 ", "a negative bin bound (-0.1)"},
      {" 1  0.1  40 ", " 1  0.1  140 ", "a cumulative percent above 100"},
      {"\r\n 0 \r\n 1", "\r\n 3 \r\n 1", "a cumulative flag (3) outside 0 to 1"},
  };
  for (const Case& c : cases) {
    std::string text = good;
    text.replace(text.find(c.from), c.from.size(), c.to);
    EXPECT_TRUE(RefusedAs([&] { ParseExpos(text); }, "expos.tmp", c.why)) << c.to;
  }
}

TEST(CecWorkFiles, HeaderLinesWithNumbersAreCheckedAsTheReadersCheckNumbers) {
  const std::string head = " 0 \r\n\r\nTitle\r\n";
  const std::string tail = "Exposures divided by body weight\r\n9999\r\n\r\n";
  const std::string good[] = {
      "Minimum exposure contribution = 1%",
      "MC Iterations = 5000  Seed =-3  RNG = MS VB",
      "CEC records generated for first 40 iterations.",
  };
  for (const std::string& line : good)
    EXPECT_NO_THROW(ParseCecRecordFile(head + line + "\r\n" + tail, true)) << line;
  const std::pair<std::string, std::string> bad[] = {
      {"MC Iterations = 20  Seed = -inf  RNG = MS VB", "a header line without its number"},
      {"MC Iterations = 0  Seed = 1  RNG = MS VB", "a number of iterations (0) outside 1 to 32767"},
      {"MC Iterations = 20  Seed = 1.5  RNG = MS VB", "a seed (1.5) that is not whole"},
      {"MC Iterations = 20  Seed = 1  RNG = Dice", "a header line naming an unknown generator"},
      {"Minimum exposure contribution = -1%", "a negative minimum contribution (-1)"},
      {"Minimum exposure contribution = -inf%", "a header line without its number"},
      {"Minimum exposure contribution = 1", "a damaged header line"},
      {"CEC records generated for first -2 iterations.",
       "a number of record iterations (-2) outside 1 to 32767"},
  };
  for (const auto& [line, why] : bad)
    EXPECT_TRUE(
        RefusedAs([&] { ParseCecRecordFile(head + line + "\r\n" + tail, true); }, "cec1.tmp", why))
        << line;
}

class RedoOfDamagedFiles : public testing::CecFixture {
 protected:
  // Redo Last CEC after `file` of the last run had `from` replaced by `to`.
  void ExpectRefused(const std::string& file, const std::string& from, const std::string& to,
                     const std::string& why) {
    ASSERT_TRUE(Launch()->completed) << port_.LastMessage();
    std::string text = testing::ReadText(dir_ / file);
    const std::size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << text;
    text.replace(at, from.size(), to);
    testing::WriteText(dir_ / file, text);
    // Without the folder's list of work files (an older folder) the fields themselves are
    // the guard; with it, the changed file is refused before it is read.
    std::filesystem::remove(dir_ / kManifestFileName);
    form_.cec_name = "redo";
    port_ = ScriptedPort{};
    const auto redo = RedoLastCec(form_, session_, port_);
    EXPECT_FALSE(redo && redo->completed);
    EXPECT_EQ(port_.LastMessage(),
              "Tarn-VELD Acute Module: The work file " + file + " is damaged: " + why);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "residues/redo.CEC"));
  }
};

TEST_F(RedoOfDamagedFiles, ANegativeAmountInTheSectionsIsRefused) {
  ExpectRefused("cec2.tmp", "   300.0,", "  -300.0,", "a negative amount of food (-300).");
}

}  // namespace
}  // namespace acute
