#include "support/scripted_port.h"

namespace acute {

Answer ScriptedPort::Show(const Message& message) {
  events.push_back(
      {PortEvent::Kind::Message, message.title, message.text, message.icon, message.buttons});
  if (!answers.empty()) {
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  const bool yes_no = message.buttons == Buttons::YesNo || message.buttons == Buttons::YesNoCancel;
  return yes_no ? Answer::Yes : Answer::Ok;
}

std::optional<std::string> ScriptedPort::Ask(const std::string& title, const std::string& prompt,
                                             const std::string& /*default_answer*/) {
  events.push_back({PortEvent::Kind::Input, title, prompt, Icon::None, Buttons::OkCancel});
  if (inputs.empty()) return std::nullopt;
  auto a = inputs.front();
  inputs.pop_front();
  return a;
}

void ScriptedPort::Progress(const ProgressReport& report) {
  events.push_back(
      {PortEvent::Kind::Progress, report.caption, StatusText(report), Icon::None, Buttons::Ok});
  progress.push_back(report);
}

bool ScriptedPort::CancelRequested() {
  ++cancel_calls;
  return cancel_at_call > 0 && cancel_calls >= cancel_at_call;
}

std::optional<std::string> ScriptedPort::SaveFileName(const FileDialog& dialog) {
  events.push_back({PortEvent::Kind::FileDialog, dialog.title, dialog.initial_name, Icon::None,
                    Buttons::OkCancel});
  if (file_names.empty()) return std::nullopt;
  auto name = file_names.front();
  file_names.pop_front();
  return name;
}

std::optional<std::string> ScriptedPort::OpenFileName(const FileDialog& dialog) {
  return SaveFileName(dialog);
}

bool ScriptedPort::Print(const PrintJob& job) {
  events.push_back({PortEvent::Kind::Print, job.font, "", Icon::None, Buttons::Ok});
  if (printer_ok) printed.push_back(job);
  return printer_ok;
}

void ScriptedPort::ShowReport(const std::string& caption, const std::string& text) {
  events.push_back({PortEvent::Kind::Report, caption, "", Icon::None, Buttons::Ok});
  shown.emplace_back(caption, text);
}

std::vector<PortEvent> ScriptedPort::Messages() const {
  std::vector<PortEvent> out;
  for (const auto& e : events)
    if (e.kind == PortEvent::Kind::Message) out.push_back(e);
  return out;
}

std::string ScriptedPort::LastMessage() const {
  for (auto it = events.rbegin(); it != events.rend(); ++it)
    if (it->kind == PortEvent::Kind::Message) return it->title + ": " + it->text;
  return "";
}

}  // namespace acute
