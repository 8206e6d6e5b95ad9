// acute-gui: the desktop program. acute-gui [DATA_FOLDER] [RESIDUE_FILE]
#include <QApplication>
#include <filesystem>

#include "common/errors.h"
#include "gui_port.h"
#include "main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("acute-gui");
  const QStringList args = QApplication::arguments();
  const std::filesystem::path start = args.size() > 1 ? std::filesystem::path(args[1].toStdString())
                                                      : std::filesystem::current_path();
  acute::DataSession session;
  try {
    acute::gui::GuiPort start_port(nullptr);
    session = acute::OpenDataSession(start, start_port);
  } catch (const acute::ProgramEnds&) {
    return 1;
  }
  acute::gui::MainWindow window(session);
  if (args.size() > 2) {
    std::filesystem::path residue = args[2].toStdString();
    if (!std::filesystem::exists(residue) && !session.setup.ResFolder.empty())
      residue = std::filesystem::path(session.setup.ResFolder) / residue;
    window.OpenResidueFile(residue);
  }
  window.show();
  return QApplication::exec();
}
