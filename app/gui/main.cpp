// acute-gui: the desktop program.
//   acute-gui [--work DIR] [DATA_FOLDER] [RESIDUE_FILE] [--show SCENE]
// --work names the folder of the work files (created when missing; default the data
// folder), so that several programs can run side by side. --show sets a scene for the
// screenshot script (see screenshot_scenes.h).
#include <QApplication>
#include <csignal>
#include <filesystem>

#include "common/errors.h"
#include "gui_port.h"
#include "main_window.h"
#include "run/session.h"
#include "screenshot_scenes.h"

namespace {

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
  try {
    acute::gui::GuiPort start_port(nullptr);
    acute::Session session = acute::Session::Open(start, start_port);
    if (!work.isEmpty() && !session.UseWorkFolder(work.toStdString(), start_port)) return 1;
    acute::gui::MainWindow window(session.Data());
    if (args.size() > 2) {
      const std::string name = args[2].toStdString();
      window.OpenResidueFile(session.Locate(name).value_or(name));
    }
    window.show();
    if (!show.isEmpty()) acute::gui::ShowSceneWhenStarted(window, show);
    return QApplication::exec();
  } catch (const acute::ProgramEnds&) {
    return 1;  // its message has been shown
  }
}
