// Room in the work folder: a run that cannot fit is refused before it starts, and a large
// DWLOC QA listing is confirmed with its size first.
#include "run/work_room.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "support/scripted_port.h"
#include "support/test_support.h"

namespace acute {
namespace {

TEST(WorkRoom, ARunOrAListingThatCannotFitIsRefusedAndALargeListingConfirmed) {
  testing::ScratchFolder dir;
  ScriptedPort port;
  CheckWorkRoom(dir.path(), {"acute.tmp"}, 0, port);  // a few MB fit anywhere
  EXPECT_TRUE(port.Messages().empty());
  const std::uint64_t too_much = std::uint64_t{1} << 60;
  EXPECT_THROW(CheckWorkRoom(dir.path(), {"acute.tmp"}, too_much, port), RunEnds);
  EXPECT_NE(port.LastMessage().find("There is not enough room in the work folder " +
                                    dir.path().string() + " for the files of this run"),
            std::string::npos)
      << port.LastMessage();
  EXPECT_THROW(ConfirmQaListing(dir.path(), too_much, port), RunEnds);
  EXPECT_NE(port.LastMessage().find("The DWLOC QA listing of this run would take about "),
            std::string::npos);
  ConfirmQaListing(dir.path(), 5 << 20, port);  // small: no question
  const auto before = port.Messages().size();
  port.answers = {Answer::Yes, Answer::No};
  ConfirmQaListing(dir.path(), 150 << 20, port);
  EXPECT_EQ(port.Messages().size(), before + 1);
  EXPECT_NE(port.LastMessage().find("will take about 150 MB in the work folder"), std::string::npos)
      << port.LastMessage();
  EXPECT_THROW(ConfirmQaListing(dir.path(), 150 << 20, port), RunEnds);
}

}  // namespace
}  // namespace acute
