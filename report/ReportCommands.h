#pragma once
// The commands that keep a reading, for the analysis screens: Print... (a preview, then the
// desktop's print dialog), Save as PDF... and Save as document... (.odt or .txt). They are on a
// menu of the screen's Keep control, in the text pane's context menu after Copy and Select All,
// and on Ctrl+P (print) and Ctrl+S (save) in the window.

#include "report/Report.h"

#include <functional>
#include <optional>

class QToolButton;
class QWidget;

namespace shell {
class TextPane;
}

namespace report {

// Makes the report of what the screen shows at the moment a command is chosen; nothing when
// the screen has no reading to keep (the command then does nothing).
using ReportSource = std::function<std::optional<Report>()>;

// Call once per screen, when its window is built.
void attachReportCommands(QWidget& window, QToolButton& control, shell::TextPane& pane,
                          ReportSource build);

} // namespace report
