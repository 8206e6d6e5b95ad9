#include "common/scripted_port.h"

namespace acute {

Answer ScriptedPort::Show(const Message& message) {
  events.push_back(
      {PortEvent::Kind::Message, message.title, message.text, message.icon, message.buttons});
  if (!answers.empty()) {
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  return message.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

std::optional<std::string> ScriptedPort::Ask(const std::string& title, const std::string& prompt,
                                             const std::string& /*default_answer*/) {
  events.push_back({PortEvent::Kind::Input, title, prompt, Icon::None, Buttons::OkCancel});
  if (inputs.empty()) return std::nullopt;
  auto a = inputs.front();
  inputs.pop_front();
  return a;
}

void ScriptedPort::Progress(const std::string& caption, const std::string& status) {
  events.push_back({PortEvent::Kind::Progress, caption, status, Icon::None, Buttons::Ok});
}

bool ScriptedPort::CancelRequested() {
  ++cancel_calls;
  return cancel_at_call > 0 && cancel_calls >= cancel_at_call;
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
