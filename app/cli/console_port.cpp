#include "console_port.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <iostream>

namespace acute::cli {
namespace {

// Set by Ctrl-C; a signal handler can only reach a flag of this kind.
std::atomic<bool> g_interrupted{false};

extern "C" void OnInterrupt(int) {
  g_interrupted = true;
}

bool AskYesNo(const std::string& question) {
  std::cerr << question << " [y/n] " << std::flush;
  std::string line;
  if (!std::getline(std::cin, line)) return false;
  return !line.empty() && (line[0] == 'y' || line[0] == 'Y');
}

// The progress window on one line: "Phase [########                 ] 32%", or
// "Reading SAMPLE.RDF, First pass, at line 7000".
std::string ProgressLine(const ProgressReport& report) {
  std::string line = report.phase;
  if (!report.step.empty()) line += ", " + report.step;
  if (report.line) line += ", at line " + std::to_string(*report.line);
  if (!report.percent) return line;
  const int percent = std::clamp(*report.percent, 0, 100);
  const int filled = percent / 4;
  return line + " [" + std::string(filled, '#') + std::string(25 - filled, ' ') + "] " +
         std::to_string(percent) + "%";
}

// What a message that points at a window's button means on the command line.
std::string CommandLineHint(const std::string& text) {
  static const std::pair<const char*, const char*> hints[] = {
      {"Click on 'Last Acute Rpt'", "acute show last-report"},
      {"Click on 'Last DWLOC Rt'", "acute show last-dwloc"},
      {"Use Edit PAD button", "give each PAD with --pad-value N=X"},
      {"'Set Report Specs' menu item", "acute specs"},
      {"Press 'OK' to return to dialog box", "give the file's name again"},
      {"the 'Redo Last CEC' button", "acute redo-cec"},
      {"Click on index number to display demographic choices", "give it with --custom"},
  };
  for (const auto& [said, typed] : hints)
    if (text.find(said) != std::string::npos) return typed;
  return "";
}

// Which option answers a question that went unanswered off a terminal.
std::string AnsweringOption(const Message& message) {
  if (message.title == "CEC file generator") return "--cec-quiet or --yes";
  return "--yes";
}

}  // namespace

ConsolePort::ConsolePort(std::optional<bool> answer) : answer_(answer) {
  std::signal(SIGINT, OnInterrupt);
}

ConsolePort::~ConsolePort() {
  FinishProgress();
  std::signal(SIGINT, SIG_DFL);
}

bool ConsolePort::Interactive() {
  return isatty(STDIN_FILENO) && isatty(STDERR_FILENO);
}

Answer ConsolePort::Show(const Message& message) {
  FinishProgress();
  std::cerr << message.title << ": " << message.text << "\n";
  if (const std::string hint = CommandLineHint(message.text); !hint.empty())
    std::cerr << "  (on the command line: " << hint << ")\n";
  if (message.buttons == Buttons::Ok) return Answer::Ok;
  if (!answer_ && !Interactive()) {
    const bool yes_no =
        message.buttons == Buttons::YesNo || message.buttons == Buttons::YesNoCancel;
    std::cerr << "  (no terminal to answer on: taken as " << (yes_no ? "No" : "Cancel") << "; "
              << AnsweringOption(message) << " answers " << (yes_no ? "Yes" : "OK") << ")\n";
  }
  bool yes = answer_ ? *answer_ : (Interactive() && AskYesNo("Answer"));
  if (message.buttons == Buttons::YesNo || message.buttons == Buttons::YesNoCancel)
    return yes ? Answer::Yes : Answer::No;
  return yes ? Answer::Ok : Answer::Cancel;
}

std::optional<std::string> ConsolePort::Ask(const std::string& title, const std::string& prompt,
                                            const std::string& default_answer) {
  FinishProgress();
  if (!Interactive()) return std::nullopt;
  std::cerr << title << ": " << prompt << "\n[" << default_answer << "] " << std::flush;
  std::string line;
  if (!std::getline(std::cin, line)) return std::nullopt;
  return line;
}

void ConsolePort::Progress(const ProgressReport& report) {
  if (!isatty(STDERR_FILENO)) return;
  std::string text = report.caption + " - " + ProgressLine(report);
  if (text == last_progress_) return;
  std::string padding = last_progress_.size() > text.size()
                            ? std::string(last_progress_.size() - text.size(), ' ')
                            : std::string();
  std::cerr << "\r" << text << padding << std::flush;
  last_progress_ = text;
  progress_shown_ = true;
}

void ConsolePort::FinishProgress() {
  if (!progress_shown_) return;
  std::cerr << "\n";
  progress_shown_ = false;
  last_progress_.clear();
}

std::optional<std::string> ConsolePort::SaveFileName(const FileDialog& /*dialog*/) {
  // The name given on the command line answers the first save dialog only.
  std::optional<std::string> name = std::move(save_name_);
  save_name_.reset();
  return name;
}

void ConsolePort::ShowReport(const std::string& /*caption*/, const std::string& text) {
  FinishProgress();
  std::cout << text << std::flush;
}

bool ConsolePort::CancelRequested() {
  if (!g_interrupted) return false;
  g_interrupted = false;
  Message confirm{"Cancel Confirmation", "Are you sure that you want to cancel this analysis?",
                  Icon::Question, Buttons::YesNo};
  // Without a terminal to confirm on, Ctrl-C itself is the confirmation.
  if (!Interactive()) return true;
  return Show(confirm) == Answer::Yes;
}

}  // namespace acute::cli
