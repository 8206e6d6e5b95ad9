#include "forms/message_display.h"

#include <utility>

#include "forms/main_form_model.h"

namespace acute {
namespace {

// A control's name as the texts give it, and its caption on the windows.
constexpr std::pair<const char*, const char*> kControlNames[] = {
    {"'Last Acute Rpt'", "Show Last Acute Report"},
    {"'Last Acute Report'", "Show Last Acute Report"},
    {"'Last DWLOC Rt'", "Show Last DWLOC Report"},
    {"'Last Acute Plot File'", "Show Last Acute Plot File"},
    {"'Last CEC report'", "Show Last CEC Report"},
    {"'File/Edit Batch File'", "File, Create/Edit Batch Files"},
    {"Edit PAD button", "Edit PADs"},
    {"'SaveAs' menu command", "File, Save As"},
};

// The starts of the questions whose Yes throws work away.
constexpr const char* kDestructiveQuestions[] = {
    MainFormModel::kClearQuestion,
    "Are you sure that you want to clear all entries in this form?",
    "If you leave the name of custom population",
};

bool StartsWith(const std::string& text, const char* start) {
  return text.rfind(start, 0) == 0;
}

}  // namespace

std::string WithControlCaptions(const std::string& text) {
  std::string out = text;
  for (const auto& [name, caption] : kControlNames) {
    const std::string added = std::string(" (") + caption + ")";
    const std::string n = name;
    for (std::size_t at = out.find(n); at != std::string::npos; at = out.find(n, at)) {
      at += n.size();
      if (out.compare(at, added.size(), added) != 0) out.insert(at, added);
      at += added.size();
    }
  }
  return out;
}

ShownMessage AsShown(const Message& message) {
  ShownMessage shown{message, false};
  shown.message.text = WithControlCaptions(message.text);
  const bool question = message.buttons != Buttons::Ok;
  if (message.icon == Icon::None)
    shown.message.icon = question ? Icon::Question : Icon::Information;
  if (message.buttons == Buttons::YesNo)
    for (const char* start : kDestructiveQuestions)
      shown.default_no = shown.default_no || StartsWith(message.text, start);
  return shown;
}

}  // namespace acute
