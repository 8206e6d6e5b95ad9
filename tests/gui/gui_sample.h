#pragma once
// The desktop tests' sample data folder, and main windows on it whose message boxes and file
// dialogs the scripted port answers.
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>
#include <string>

#include "gui_port.h"
#include "inputs/data_session.h"
#include "main_window.h"
#include "sample_data/sample_data.h"
#include "support/scripted_port.h"

namespace acute::gui {

// A file's text with its dates and times replaced by DATE and TIME.
inline QString ReadUndated(const std::filesystem::path& file) {
  QFile f(QString::fromStdString(file.string()));
  if (!f.open(QIODevice::ReadOnly)) return {};
  QString text = QString::fromLatin1(f.readAll());
  text.replace(QRegularExpression("\\d\\d/\\d\\d/\\d{4}"), "DATE");
  text.replace(QRegularExpression("\\d\\d:\\d\\d:\\d\\d"), "TIME");
  return text;
}

// Waits for the end of the run under way; true when it completed.
inline bool WaitForRun(MainWindow& w) {
  QSignalSpy finished(&w, &MainWindow::runFinished);
  if (!finished.wait(120000)) return false;
  return finished.front().front().toBool();
}

class GuiSample {
 protected:
  // Writes the sample data folder and opens it.
  bool WriteSample() {
    if (!dir_.isValid()) return false;
    sample_ = sample::WriteSampleData(dir_.filePath("data").toStdString(), {2, 300, 11});
    session_ = OpenDataSession(sample_.folder, script_);
    return true;
  }
  std::filesystem::path Residues() const { return sample_.residue_folder; }

  std::unique_ptr<MainWindow> Window(const DataSession& session) {
    auto w = std::make_unique<MainWindow>(session);
    w->port().SetScript(&script_);
    w->SetFixedClock("12/06/2026", "10:00:00");
    return w;
  }
  // A window with a residue file of the sample folder open; null when it is refused.
  std::unique_ptr<MainWindow> Window(const std::string& residue) {
    auto w = Window(session_);
    if (!w->OpenResidueFile(Residues() / residue)) return nullptr;
    return w;
  }

  QTemporaryDir dir_;
  sample::SampleManifest sample_;
  DataSession session_;
  ScriptedPort script_;
};

}  // namespace acute::gui
