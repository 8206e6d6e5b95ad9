#pragma once
// The report window: a report in a fixed-pitch font with its page breaks marked, Print
// through the system print dialog, and Save as PDF, one printed page per report page.
#include <QDialog>
#include <QStringList>
#include <filesystem>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;

namespace acute::gui {

class ReportWindow : public QDialog {
  Q_OBJECT
 public:
  ReportWindow(const QString& title, QWidget* parent);

  // Reads the report; false when it cannot be read.
  bool Load(const std::filesystem::path& file);
  // Shows a report text.
  void SetText(const QString& text);
  const QStringList& pages() const { return pages_; }
  QPlainTextEdit* view() const { return view_; }

  bool SaveAsPdf(const QString& file) const;
  // The name Save as PDF proposes: the window's caption as a file name.
  QString ProposedPdfName() const;
  // Ctrl+F: the find box; Enter or F3 finds the next match (from the top again at the end).
  QLineEdit* findBox() const { return find_; }
  bool FindNext();

  // The report's pages: the text split at its form feeds, line ends as LF.
  static QStringList Pages(const QString& text);
  // Paints the pages in a fixed-pitch font sized so that the widest line and the longest
  // page fit the printer's page.
  static void PaintPages(QPrinter& printer, const QStringList& pages);
  static QFont ReportFont();

 private:
  void Print();
  void Preview();
  void AskPdf();

  QPlainTextEdit* view_;
  QLineEdit* find_;
  QLabel* find_result_;
  QStringList pages_;
};

}  // namespace acute::gui
