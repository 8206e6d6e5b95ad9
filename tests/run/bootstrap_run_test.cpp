// The uncertainty analysis of a run: the rounds' figures against the resampled survey worked
// out by hand, the same rounds whatever the threads or the split into partial runs, and the
// merge's refusals.
#include <nlohmann/json.hpp>

#include "hand_made_run.h"
#include "random/round_streams.h"
#include "run/results_bootstrap.h"
#include "sample_data/sample_data.h"

namespace acute {
namespace {

using Json = nlohmann::json;
using testing::FixturePerson;

// Per kg exposures on each day (factor 0.001 mg per gram): 101 eats 0.01 on day 1; 102 eats
// 0.01 and 0.015; 103 eats 0.01 on day 2 only.
std::vector<FixturePerson> People() {
  FixturePerson a;
  a.number = 101;
  a.body_weight = 10;
  a.sample_weight = 1000;
  a.day1 = {{1, 100}};
  FixturePerson b = a;
  b.number = 102;
  b.body_weight = 20;
  b.sample_weight = 2000;
  b.day1 = {{2, 200}};
  b.day2 = {{3, 300}};
  FixturePerson c = a;
  c.number = 103;
  c.body_weight = 50;
  c.day1 = {};
  c.day2 = {{1, 500}};
  return {a, b, c};
}

// Per person: weight x exposure over both days, weight of its user-days, of both days.
struct PersonSums {
  double exposure, user_weight, weight;
};
constexpr PersonSums kSums[] = {{10, 1000, 2000}, {50, 4000, 4000}, {10, 1000, 2000}};

Json ReadJson(const std::filesystem::path& path) {
  return Json::parse(testing::ReadText(path));
}

Json WithoutProvenance(Json j) {
  j.erase("provenance");
  return j;
}

class BootstrapRun : public testing::HandMadeRun {
 protected:
  void SetUp() override { Prepare(People()); }
};

// Each round counts a person drawn k times as k persons: its means and user share are those
// of the drawn persons, worked out from the round's own survey stream.
TEST_F(BootstrapRun, RoundsAreTheAnalysisOfTheDrawnPersons) {
  form_.bootstrap.rounds = "8";
  form_.bootstrap.seed = "11";
  form_.bootstrap.residues = false;
  auto outcome = Launch();
  ASSERT_TRUE(outcome && outcome->completed) << port_.LastMessage();
  const Json figures = ReadJson(dir_ / "results.json")["bootstrap"]["populations"][0]["figures"];
  for (int round = 1; round <= 8; ++round) {
    MersenneTwister g = RoundGenerator(11, round, RoundStream::Survey);
    const std::vector<std::uint32_t> counts = ResampleCounts(3, g);
    PersonSums sum{0, 0, 0};
    for (std::size_t i = 0; i < 3; ++i) {
      sum.exposure += counts[i] * kSums[i].exposure;
      sum.user_weight += counts[i] * kSums[i].user_weight;
      sum.weight += counts[i] * kSums[i].weight;
    }
    const std::size_t k = static_cast<std::size_t>(round - 1);
    EXPECT_NEAR(figures["capita_mean"]["rounds"][k].get<double>(), sum.exposure / sum.weight, 1e-8)
        << "round " << round;
    EXPECT_NEAR(figures["user_mean"]["rounds"][k].get<double>(), sum.exposure / sum.user_weight,
                1e-8);
    EXPECT_NEAR(figures["user_share"]["rounds"][k].get<double>(),
                100 * sum.user_weight / sum.weight, 1e-4);
  }
  // The interval is read off the rounds; the main run's figure is the report's.
  EXPECT_FLOAT_EQ(figures["capita_mean"]["main"].get<float>(), 70.0f / 8000);
  std::vector<double> sorted;
  for (const Json& v : figures["capita_mean"]["rounds"]) sorted.push_back(v.get<double>());
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(figures["capita_mean"]["low"].get<double>(), sorted[0]);     // rank ceil(0.2)
  EXPECT_EQ(figures["capita_mean"]["median"].get<double>(), sorted[3]);  // rank 4
  EXPECT_EQ(figures["capita_mean"]["high"].get<double>(), sorted[7]);    // rank ceil(7.8)
  ASSERT_TRUE(outcome->bootstrap.has_value());
  EXPECT_EQ(outcome->bootstrap->intervals[0][0].low, sorted[0]);
  const std::string report = testing::ReadText(dir_ / "acute.tmp");
  EXPECT_LT(report.find("Summary calculations"),
            report.find("Uncertainty analysis (bootstrap, 8 rounds)"));
  EXPECT_LT(report.find("Uncertainty analysis"),
            report.find("U.S. Population", report.find("Uncertainty analysis") + 300));
}

// Rounds that resample nothing repeat the main run: the round runner changes nothing else.
TEST_F(BootstrapRun, RoundsWithoutResamplingRepeatTheMainRun) {
  form_.bootstrap.rounds = "3";
  form_.bootstrap.seed = "5";
  form_.bootstrap.survey = false;
  form_.bootstrap.residues = false;
  ASSERT_TRUE(Launch());
  const Json populations = ReadJson(dir_ / "results.json")["bootstrap"]["populations"];
  for (const auto& [key, figure] : populations[0]["figures"].items())
    for (const Json& v : figure["rounds"]) EXPECT_EQ(v, figure["main"]) << key;
}

// The partial files of a sample Monte Carlo bootstrap, its one-process results at 1 and 3
// threads, and what the merge makes of them.
class BootstrapSplit : public ::testing::Test {
 protected:
  void SetUp() override {
    manifest_ = sample::WriteSampleData(dir_ / "data", {2, 300, 5});
    session_ = OpenDataSession(manifest_.folder, port_);
  }
  MainForm Form(int threads) {
    MainForm form;
    form.residue =
        ReadResidueFile(manifest_.residue_folder / "SAMPLEMC.R10", session_.support, port_);
    form.TakeEndpointsFromResidueFile();
    form.standard.assign(session_.support.StandardPopulationCount(), false);
    form.standard[0] = form.standard[2] = true;
    form.monte_carlo = true;
    form.iterations = "6";
    form.seed = "3";
    form.mersenne_twister = true;
    form.threads = threads;
    form.bootstrap.rounds = "5";
    form.bootstrap.seed = "77";
    return form;
  }
  // Runs the form in a work folder of its own; its results file.
  Json Run(MainForm form, const std::string& work) {
    DataSession session = session_;
    session.work_folder = (dir_ / work).string() + "/";
    std::filesystem::create_directories(dir_ / work);
    auto outcome = LaunchAnalysis(form, session, port_, "12/06/2026", "10:00:00");
    EXPECT_TRUE(outcome && outcome->completed) << port_.LastMessage();
    return ReadJson(dir_ / work / "results.json");
  }
  std::filesystem::path Partial(int first, int last) {
    MainForm form = Form(2);
    form.bootstrap.first_round = first;
    form.bootstrap.last_round = last;
    const std::filesystem::path path =
        dir_ / ("part" + std::to_string(first) + "-" + std::to_string(last) + ".json");
    form.results_copy = path.string();
    DataSession session = session_;
    session.work_folder = (dir_ / path.stem()).string() + "/";
    std::filesystem::create_directories(dir_ / path.stem());
    auto outcome = LaunchAnalysis(form, session, port_, "12/06/2026", "10:00:00");
    EXPECT_TRUE(outcome && outcome->completed) << port_.LastMessage();
    return path;
  }
  std::string MergeError(const std::vector<std::filesystem::path>& parts) {
    return MergePartialResults(parts, {}).error;
  }

  testing::ScratchFolder dir_;
  sample::SampleManifest manifest_;
  DataSession session_;
  ScriptedPort port_;
};

TEST_F(BootstrapSplit, ThreadsAndPartialRunsGiveTheSameResults) {
  const Json one = WithoutProvenance(Run(Form(1), "one"));
  EXPECT_EQ(WithoutProvenance(Run(Form(3), "three")), one);
  const auto a = Partial(0, 1), b = Partial(2, 3), c = Partial(4, 5);
  const MergedResults merged = MergePartialResults({c, a, b}, {});
  ASSERT_EQ(merged.error, "");
  EXPECT_EQ(WithoutProvenance(Json::parse(merged.results)), one);
  const std::string report = testing::ReadText(dir_ / "one/acute.tmp");
  EXPECT_NE(report.find(merged.section), std::string::npos);
  // The rounds vary: the survey and the residue samples were drawn again.
  const Json& mean = one["bootstrap"]["populations"][0]["figures"]["capita_p99.9"];
  EXPECT_LT(mean["low"].get<double>(), mean["high"].get<double>());

  // Refusals name the file at fault.
  EXPECT_EQ(MergeError({a, b}),
            "Rounds 4 to 5 are in none of the files (the last is " + b.string() + ").");
  EXPECT_EQ(MergeError({b, c}),
            "Rounds 0 to 1 are in none of the files (the next is " + b.string() + ").");
  const auto overlap = Partial(1, 2);
  EXPECT_EQ(MergeError({a, overlap, b, c}),
            overlap.string() + " holds rounds 1 to 2, which overlap those of " + a.string() + ".");
  MainForm other = Form(2);
  other.bootstrap.seed = "78";
  other.bootstrap.first_round = 2;
  other.bootstrap.last_round = 5;
  other.results_copy = (dir_ / "other.json").string();
  ASSERT_TRUE(LaunchAnalysis(other, session_, port_));
  EXPECT_EQ(MergeError({a, dir_ / "other.json"}), (dir_ / "other.json").string() +
                                                      " is of another run than " + a.string() +
                                                      " (their \"bootstrap\" members differ).");
  EXPECT_EQ(MergeError({dir_ / "one/results.json"}),
            (dir_ / "one/results.json").string() +
                " is not the results file of a partial bootstrap run (--rounds).");
}

}  // namespace
}  // namespace acute
