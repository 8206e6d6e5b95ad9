#pragma once
// The file dialogs' filters in Qt's form.
#include <QString>
#include <string>

namespace acute::gui {

// "Text (*.X)|*.X;*.x|Other (*.Y)|*.Y" as Qt's "Text (*.X *.x);;Other (*.Y *.y)": each
// description keeps its text and ends with its patterns, in both cases.
QString QtFilter(const std::string& filter);

}  // namespace acute::gui
