#include "forms/pad_dialog.h"

#include <algorithm>

#include "common/str.h"
#include "forms/field_checks.h"

namespace acute {

PadDialog::PadDialog(const std::vector<std::string>& names, int first, const StandardPads& pads)
    : first_(std::max(first, 1)) {
  for (int p = first_; p < static_cast<int>(names.size()); ++p) {
    labels.push_back(names[static_cast<std::size_t>(p)]);
    const float v = pads.Of(p);
    texts.push_back(v > 0 ? TrimStr(v) : "");
  }
}

int PadDialog::Down(int row) const {
  const int last = std::min(rows() - 1, kLastArrowRow);
  return row < last ? row + 1 : row;
}

int PadDialog::Up(int row) const {
  return row > 0 ? row - 1 : row;
}

int PadDialog::Enter(int row) {
  if (row < 0 || row >= rows()) return row;
  std::string& t = texts[static_cast<std::size_t>(row)];
  const auto v = FieldNumber(t);
  if (!v || *v < 0) t.clear();
  return Down(row);
}

void PadDialog::Clear(UserPort& port) {
  const Answer a = port.Show(
      Message{"Confirmation", "Are you sure that you want to clear all entries in this form?",
              Icon::Question, Buttons::YesNo});
  if (a == Answer::Yes) std::fill(texts.begin(), texts.end(), std::string());
}

float PadDialog::ValueOf(const std::string& text) {
  const auto v = FieldNumber(text);
  return v && *v > 0 ? static_cast<float>(*v) : 0.0f;
}

void PadDialog::Save(StandardPads& pads) const {
  for (int i = 0; i < rows(); ++i)
    pads.Set(first_ + i, ValueOf(texts[static_cast<std::size_t>(i)]));
}

}  // namespace acute
