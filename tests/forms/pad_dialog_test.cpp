// The PAD dialog: rows from the first PAD population, Enter, Clear and Exit/Save; a negative
// or non-finite PAD is never stored.
#include "forms/pad_dialog.h"

#include <gtest/gtest.h>

#include "support/scripted_port.h"

namespace acute {
namespace {

std::vector<std::string> Names(int count) {
  std::vector<std::string> names{""};
  for (int i = 1; i <= count; ++i) names.push_back("Population " + std::to_string(i));
  return names;
}

TEST(PadDialogTest, RowsStartAtTheFirstPadPopulation) {
  StandardPads pads(24);
  pads.Set(6, 0.25f);
  PadDialog d(Names(24), 6, pads);
  ASSERT_EQ(d.rows(), 19);
  EXPECT_EQ(d.labels[0], "Population 6");
  EXPECT_EQ(d.texts[0], "0.25");
  EXPECT_EQ(d.texts[1], "");  // a PAD of 0 shows empty
  EXPECT_EQ(d.Down(0), 1);
  EXPECT_EQ(d.Down(12), 12);  // the arrows stop at row 12
  EXPECT_EQ(d.Up(0), 0);
}

// Enter empties a negative or non-numeric box; Save stores 0 for what was typed but never
// confirmed with Enter.
TEST(PadDialogTest, NoNegativeOrNonFiniteValueIsStored) {
  PadDialog d(Names(24), 6, {});
  d.texts[0] = "-1";
  d.texts[1] = "abc";
  d.texts[2] = "0.5";
  EXPECT_EQ(d.Enter(0), 1);
  EXPECT_EQ(d.Enter(1), 2);
  d.Enter(2);
  EXPECT_EQ(d.texts[0], "");
  EXPECT_EQ(d.texts[1], "");
  EXPECT_EQ(d.texts[2], "0.5");
  d.texts[3] = "-2";
  d.texts[4] = "nan";
  d.texts[5] = "1e300";
  d.texts[6] = "0.01";
  StandardPads pads;
  for (int p = 1; p <= 7; ++p) pads.Set(p, 7.0f);
  d.Save(pads);
  ASSERT_EQ(pads.Count(), 24);
  EXPECT_EQ(pads.Of(5), 7.0f);  // populations before the first PAD population are untouched
  const std::vector<float> expected{0, 0, 0.5f, 0, 0, 0, 0.01f};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(pads.Of(6 + i), expected[i]) << "population " << 6 + i;
}

TEST(PadDialogTest, ClearAsksThenEmptiesEveryBox) {
  ScriptedPort port;
  StandardPads pads;
  for (int p = 1; p <= 24; ++p) pads.Set(p, 0.5f);
  PadDialog d(Names(24), 6, pads);
  port.answers = {Answer::No};
  d.Clear(port);
  EXPECT_EQ(d.texts[3], "0.5");
  d.Clear(port);
  ASSERT_EQ(port.Messages().size(), 2u);
  EXPECT_EQ(port.LastMessage(),
            "Confirmation: Are you sure that you want to clear all entries in this form?");
  d.Save(pads);
  for (int p = 6; p <= 24; ++p) EXPECT_EQ(pads.Of(p), 0.0f);
}

}  // namespace
}  // namespace acute
