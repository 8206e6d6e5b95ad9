#pragma once
// The scenes the screenshot script asks for with `acute-gui --show WHAT`: the main form with
// its boxes ticked, a dialog or window opened, or a long run under way. Once the scene is
// set, the X window id of the window it shows is printed as "window-id: N".
#include <QString>

namespace acute::gui {

class MainWindow;

// The names --show takes.
inline constexpr const char* kSceneNames =
    "main|custom|pads|specs|destination|report|chart|chart-bootstrap|batch-editor|progress|"
    "results";

// Sets the scene shortly after the window shows, then prints the id of the window shown.
void ShowSceneWhenStarted(MainWindow& window, const QString& scene);

}  // namespace acute::gui
