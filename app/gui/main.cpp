// acute-gui: the desktop program.
//   acute-gui [--work DIR] [DATA_FOLDER] [RESIDUE_FILE]
//             [--show main|custom|pads|specs|destination|report|chart|batch-editor|progress]
// --work names the folder of the work files (created when missing; default the data
// folder), so that several programs can run side by side. --show opens that window at start (the
// screenshot script uses it) and prints the X window id of the window shown, as "window-id: N".
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "batch_editor_window.h"
#include "common/errors.h"
#include "common/silent_port.h"
#include "common/work_file_names.h"
#include "gui_port.h"
#include "main_window.h"
#include "progress_window.h"

namespace {

// Answers an open dialog with one file's name.
class OpenFilePort : public acute::SilentPort {
 public:
  explicit OpenFilePort(std::string name) : name_(std::move(name)) {}
  std::optional<std::string> OpenFileName(const acute::FileDialog&) override { return name_; }

 private:
  std::string name_;
};

void PrintShownWindow(QWidget* main_window) {
  QWidget* shown = QApplication::activeModalWidget();
  auto* window = static_cast<acute::gui::MainWindow*>(main_window);
  if (shown == nullptr && window->port().progress()->isVisible()) shown = window->port().progress();
  if (shown == nullptr) shown = main_window;
  std::cout << "window-id: " << shown->winId() << std::endl;
}

void OpenAtStart(acute::gui::MainWindow& window, const QString& what) {
  if (what == "main") {
    for (int i : {0, 2, 5})
      if (i < static_cast<int>(window.standard.size())) window.standard[i]->click();
    window.occasions->click();
    window.monte_carlo->click();
    window.save_report->click();
    window.save_cec->click();
  } else if (what == "custom") {
    window.custom_names[0]->setText("Toddlers 1-2 yrs");
    window.OpenCustomDialog(0);
  } else if (what == "pads") {
    window.OpenPadDialog();
  } else if (what == "specs") {
    window.OpenReportSpecs();
  } else if (what == "destination") {
    window.ShowLast("last-report");
  } else if (what == "report") {
    std::ifstream in(window.session().WorkFolder() / acute::kAcuteReportFileName, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    window.port().ShowReport("Last Acute Analysis", text.str());
  } else if (what == "batch-editor") {
    // The residue folder's sample batch file, opened in the editor without its dialog.
    QTimer::singleShot(0, &window, [&window] {
      auto* editor =
          qobject_cast<acute::gui::BatchEditorWindow*>(QApplication::activeModalWidget());
      if (editor == nullptr) return;
      OpenFilePort script(
          (std::filesystem::path(window.session().setup.ResFolder) / "SAMPLE.B10").string());
      window.port().SetScript(&script);
      editor->OpenExisting();
      window.port().SetScript(nullptr);
    });
    window.OpenBatchEditor();
  } else if (what == "chart") {
    window.ShowChart();
  } else if (what == "progress") {  // a long Monte Carlo run of every population
    window.monte_carlo->click();
    window.iterations->setText("5000");
    window.model().form.iterations = "5000";
    window.model().form.seed = "1";
    for (QCheckBox* box : window.standard) box->click();
    window.StartAnalysis(false);
  }
}

// The value of `--name VALUE`, removed from the arguments; empty when absent.
QString TakeOption(QStringList& args, const QString& name) {
  const auto at = args.indexOf(name);
  if (at <= 0 || at + 1 >= args.size()) return {};
  const QString value = args[at + 1];
  args.remove(at, 2);
  return value;
}

}  // namespace

int main(int argc, char** argv) {
  std::signal(SIGXFSZ, SIG_IGN);  // a file-size limit is a write error, not the end
  QApplication app(argc, argv);
  QApplication::setApplicationName("acute-gui");
  QStringList args = QApplication::arguments();
  const QString show = TakeOption(args, "--show");
  const QString work = TakeOption(args, "--work");
  const std::filesystem::path start = args.size() > 1 ? std::filesystem::path(args[1].toStdString())
                                                      : std::filesystem::current_path();
  acute::DataSession session;
  try {
    acute::gui::GuiPort start_port(nullptr);
    session = acute::OpenDataSession(start, start_port);
  } catch (const acute::ProgramEnds&) {
    return 1;
  }
  if (!work.isEmpty()) {
    session.work_folder = std::filesystem::absolute(work.toStdString());
    std::error_code ec;
    std::filesystem::create_directories(session.work_folder, ec);
    if (!std::filesystem::is_directory(session.work_folder)) {
      std::cerr << "acute-gui: can't use the work folder " << session.work_folder.string() << "\n";
      return 1;
    }
  }
  acute::gui::MainWindow window(session);
  if (args.size() > 2) {
    std::filesystem::path residue = args[2].toStdString();
    if (!std::filesystem::exists(residue) && !session.setup.ResFolder.empty())
      residue = std::filesystem::path(session.setup.ResFolder) / residue;
    window.OpenResidueFile(residue);
  }
  window.show();
  if (!show.isEmpty()) {
    QTimer::singleShot(300, &window, [&window, show] { OpenAtStart(window, show); });
    QTimer::singleShot(1500, &window, [&window] { PrintShownWindow(&window); });
  }
  return QApplication::exec();
}
