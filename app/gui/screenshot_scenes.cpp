#include "screenshot_scenes.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "batch_editor_window.h"
#include "common/silent_port.h"
#include "common/work_file_names.h"
#include "gui_port.h"
#include "main_window.h"
#include "progress_window.h"

namespace acute::gui {
namespace {

// Answers the open dialog of the batch editor with one file.
class OpenDialogAnswer : public SilentPort {
 public:
  explicit OpenDialogAnswer(std::string file) : file_(std::move(file)) {}
  std::optional<std::string> OpenFileName(const FileDialog&) override { return file_; }

 private:
  std::string file_;
};

void PrintShownWindow(MainWindow& window) {
  QWidget* shown = QApplication::activeModalWidget();
  if (shown == nullptr && window.port().progress()->isVisible()) shown = window.port().progress();
  if (shown == nullptr) shown = &window;
  std::cout << "window-id: " << shown->winId() << std::endl;
}

void ShowLastReport(MainWindow& window) {
  std::ifstream in(window.session().WorkFolder() / kAcuteReportFileName, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  window.port().ShowReport("Last Acute Analysis", text.str());
}

// The residue folder's sample batch file, opened in the editor without its dialog.
void OpenBatchEditor(MainWindow& window) {
  QTimer::singleShot(0, &window, [&window] {
    auto* editor = qobject_cast<BatchEditorWindow*>(QApplication::activeModalWidget());
    if (editor == nullptr) return;
    OpenDialogAnswer answer(
        (std::filesystem::path(window.session().setup.ResFolder) / "SAMPLE.B10").string());
    window.port().SetScript(&answer);
    editor->OpenExisting();
    window.port().SetScript(nullptr);
  });
  window.OpenBatchEditor();
}

// A long Monte Carlo run of every population.
void StartLongRun(MainWindow& window) {
  window.monte_carlo->click();
  window.iterations->setText("5000");
  window.model().form.iterations = "5000";
  window.model().form.seed = "1";
  for (QCheckBox* box : window.standard) box->click();
  window.StartAnalysis(false);
}

// A Monte Carlo run with bootstrap rounds on the form's default generator: the refusal the
// user meets, the focus then on the rounds.
void RefuseBootstrapOnVb(MainWindow& window) {
  window.monte_carlo->click();
  window.model().form.iterations = "100";
  window.model().form.seed = "1";
  window.bootstrap_rounds->setText("200");
  window.model().form.bootstrap.rounds = "200";
  window.StartAnalysis(false);
}

// A short run of three populations, its messages unshown, then the Results window, whose id
// is printed once it shows.
void RunThenShowResults(MainWindow& window) {
  static SilentPort quiet;
  for (int i : {0, 2, 5})
    if (i < static_cast<int>(window.standard.size())) window.standard[i]->click();
  window.port().SetScript(&quiet);
  QObject::connect(&window, &MainWindow::runFinished, &window, [&window] {
    window.port().SetScript(nullptr);
    QTimer::singleShot(300, &window, [&window] { PrintShownWindow(window); });
    window.ShowResults();
  });
  window.StartAnalysis(false);
}

// A run of three populations with bootstrap rounds, its messages unshown, then the chart
// with each population's band, whose id is printed once it shows.
void RunThenShowBands(MainWindow& window) {
  static SilentPort quiet;
  for (int i : {0, 2, 5})
    if (i < static_cast<int>(window.standard.size())) window.standard[i]->click();
  window.model().form.bootstrap.rounds = "50";
  window.model().form.bootstrap.seed = "1";
  window.Refresh();
  window.port().SetScript(&quiet);
  QObject::connect(&window, &MainWindow::runFinished, &window, [&window] {
    window.port().SetScript(nullptr);
    QTimer::singleShot(300, &window, [&window] { PrintShownWindow(window); });
    window.ShowChart();
  });
  window.StartAnalysis(false);
}

void TickMainForm(MainWindow& window) {
  for (int i : {0, 2, 5})
    if (i < static_cast<int>(window.standard.size())) window.standard[i]->click();
  window.occasions->click();
  window.monte_carlo->click();
  window.mersenne->click();  // the bootstrap rounds draw from the Mersenne Twister
  window.save_report->click();
  window.save_cec->click();
  window.model().form.bootstrap.rounds = "200";
  window.model().form.bootstrap.seed = "1";
  window.Refresh();
}

void SetScene(MainWindow& window, const QString& scene) {
  if (scene == "main") TickMainForm(window);
  if (scene == "custom") {
    window.custom_names[0]->setText("Toddlers 1-2 yrs");
    window.OpenCustomDialog(0);
  }
  if (scene == "pads") window.OpenPadDialog();
  if (scene == "specs") window.OpenReportSpecs();
  if (scene == "destination") window.ShowLast("last-report");
  if (scene == "report") ShowLastReport(window);
  if (scene == "batch-editor") OpenBatchEditor(window);
  if (scene == "chart") window.ShowChart();
  if (scene == "progress") StartLongRun(window);
  if (scene == "results") RunThenShowResults(window);
  if (scene == "chart-bootstrap") RunThenShowBands(window);
  if (scene == "bootstrap-refusal") RefuseBootstrapOnVb(window);
}

}  // namespace

void ShowSceneWhenStarted(MainWindow& window, const QString& scene) {
  // The id is printed while a modal scene runs its own event loop; the scenes that run an
  // analysis first print it once their run has ended.
  if (scene != "results" && scene != "chart-bootstrap")
    QTimer::singleShot(1500, &window, [&window] { PrintShownWindow(window); });
  QTimer::singleShot(300, &window, [&window, scene] { SetScene(window, scene); });
}

}  // namespace acute::gui
