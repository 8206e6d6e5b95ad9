#pragma once
// The PAD dialog as a toolkit-free model: one text per standard population from the first
// PAD population on, the Enter and arrow keys, Clear, and Exit/Save (also run when the
// window is closed). A negative, non-numeric or non-finite entry is never stored: it counts
// as "no PAD" (0).
#include <string>
#include <vector>

#include "common/user_port.h"
#include "engine/standard_pads.h"

namespace acute {

class PadDialog {
 public:
  static constexpr const char* kCaption = "Acute PAD Values";
  static constexpr const char* kUnits = "mg/kg-bw-day";
  static constexpr const char* kHelp =
      "Populations with blank PAD or PAD = 0 will use the current RfD endpoint.";
  // What each box takes: Enter empties a box that holds no number or a negative one, and
  // closing the window saves the boxes as they are.
  static constexpr const char* kBoxTip =
      "The population's aPAD in mg/kg-bw-day, a number above 0 (blank or 0: the aRfD is used). "
      "Enter empties a text that is not a number, or a negative one. Closing the window saves "
      "the values.";
  static constexpr int kLastArrowRow = 12;  // the arrow keys stop at this row

  // Form load: rows for the standard populations `first` to names.size() - 1 (names indexed
  // by population number, slot 0 unused), texts from `pads` (a PAD of 0 shows as an empty
  // box).
  PadDialog(const std::vector<std::string>& names, int first, const StandardPads& pads);

  int first() const { return first_; }
  int rows() const { return static_cast<int>(texts.size()); }
  std::vector<std::string> labels;  // population names, row by row
  std::vector<std::string> texts;   // the boxes, row by row

  // Keys in row `row`; each returns the row that has the focus afterwards. Enter empties a
  // negative or non-numeric text first.
  int Down(int row) const;
  int Up(int row) const;
  int Enter(int row);

  // "Clear ": asks, and empties every box on Yes.
  void Clear(UserPort& port);

  // "E&xit/Save" or closing the window: every row's value into `pads` (grown when short). An
  // empty, non-numeric or negative text stores 0.
  void Save(StandardPads& pads) const;

  // The value a box stores.
  static float ValueOf(const std::string& text);

 private:
  int first_;
};

}  // namespace acute
