// The desktop program's CEC frame, Redo Last CEC, the report destination dialog of every
// Show button, batch files on the main form and the batch file editor, driven offscreen with
// the scripted port answering the message boxes and file dialogs; the report window's keys,
// find and Save as PDF name; file dialogs that start in a folder.
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>
#include <fstream>

#include "batch_editor_window.h"
#include "destination_window.h"
#include "file_filter.h"
#include "gui_sample.h"
#include "report_window.h"

namespace acute::gui {
namespace {

// Presses a button of the destination window as soon as it shows (the report may be
// written first, with its own progress window).
void Choose(QPushButton* DestinationWindow::*button) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, [poll, button] {
    auto* d = qobject_cast<DestinationWindow*>(QApplication::activeModalWidget());
    if (d == nullptr) return;
    poll->stop();
    poll->deleteLater();
    (d->*button)->click();
  });
  poll->start(5);
}

}  // namespace

class ReportsAndBatchTest : public QObject, private GuiSample {
  Q_OBJECT

 private:
  static void SetCec(MainWindow& w, const std::string& name) {
    if (!w.save_cec->isChecked()) w.save_cec->click();
    w.cec_name->clear();
    QTest::keyClicks(w.cec_name, QString::fromStdString(name));
    QTest::keyClick(w.cec_name, Qt::Key_Return);
    w.min_contribution->clear();
    QTest::keyClicks(w.min_contribution, "1");
  }

 private Q_SLOTS:
  void initTestCase() { QVERIFY(WriteSample()); }

  void init() {
    script_.events.clear();
    script_.answers.clear();
    script_.file_names.clear();
    script_.shown.clear();
    script_.printed.clear();
  }

  void cecRunGivesTheCommandLinesCecFileAndRedoStaysInsideItsWindow() {
    QProcess cli;
    cli.start(ACUTE_CLI_BINARY,
              {"--yes", "--data", QString::fromStdString(sample_.folder.string()), "analyze",
               "--residue", QString::fromStdString(sample_.plain_residue), "--pop", "1", "--cec",
               "clicec", "--cec-min", "1", "--cec-high", "99.9"});
    QVERIFY(cli.waitForFinished(120000));
    QCOMPARE(cli.exitCode(), 0);

    auto w = Window(sample_.plain_residue);
    QVERIFY(w);
    w->standard[0]->click();
    SetCec(*w, "guicec");
    QCOMPARE(w->model().cec.name, std::string("guicec.CEC"));
    QVERIFY(!w->model().Visibility().redo_cec);
    w->StartAnalysis(false);
    QVERIFY(WaitForRun(*w));
    QString cli_cec = ReadUndated(Residues() / "clicec.CEC");
    QVERIFY(cli_cec.size() > 500);
    cli_cec.replace("clicec", "guicec");
    QCOMPARE(ReadUndated(Residues() / "guicec.CEC"), cli_cec);
    QVERIFY(w->model().Visibility().redo_cec);

    // Below the last run's low percentile: refused with the last window named.
    w->model().cec.low_percentile = "95%";
    w->model().cec.name = "redo.CEC";
    w->RedoCec();
    QVERIFY(!WaitForRun(*w));
    QCOMPARE(QString::fromStdString(script_.LastMessage()),
             QString("CEC specification error: To recompute the CEC analysis without rerunning "
                     "the underlying analysis you must set the low and high CEC percentiles "
                     "within the CEC percentile boundaries of the original analysis "
                     "(Low = 99; High = 99.9)"));
    QVERIFY(!std::filesystem::exists(Residues() / "redo.CEC"));
    w->model().cec.low_percentile = "99.5%";
    w->RedoCec();
    QVERIFY(WaitForRun(*w));
    QVERIFY(ReadUndated(Residues() / "redo.CEC").size() > 100);

    // Show Last CEC Report: the destination dialog, then the printer and a disk file.
    script_.events.clear();
    Choose(&DestinationWindow::printer);
    w->ShowLast("last-cec");
    QCOMPARE(script_.printed.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(script_.LastMessage()),
             QString("Action completed: CEC report sent to Printer"));
    const auto copy = dir_.filePath("copy").toStdString();
    script_.file_names = {copy};
    Choose(&DestinationWindow::disk_file);
    w->ShowLast("last-cec");
    QCOMPARE(ReadUndated(copy + ".CEC"), ReadUndated(session_.WorkFolder() / "cec4.tmp"));
    QVERIFY(script_.LastMessage().rfind("Last CEC file: Report saved as file ", 0) == 0);
  }

  void showLastReadsTheWorkFolderAndCancelSendsNothing() {
    DataSession elsewhere = session_;
    elsewhere.work_folder = dir_.filePath("empty-work").toStdString();
    std::filesystem::create_directories(elsewhere.work_folder);
    auto w = Window(elsewhere);
    w->ShowLast("last-cec");
    QCOMPARE(QString::fromStdString(script_.LastMessage()),
             QString("Show Last CEC File: There is no CEC file in the current directory to "
                     "display."));
    std::ofstream(elsewhere.work_folder / "acute.tmp") << "REPORT LINE\n";
    Choose(&DestinationWindow::cancel);
    w->ShowLast("last-report");
    QVERIFY(script_.shown.empty());
    Choose(&DestinationWindow::screen);
    w->ShowLast("last-report");
    QCOMPARE(script_.shown.size(), std::size_t{1});
    QCOMPARE(script_.shown[0].first, std::string("Last Acute Analysis"));
    QVERIFY(script_.shown[0].second.find("REPORT LINE") != std::string::npos);
  }

  void residueAndRdfReportsGoThroughTheDestinationDialog() {
    auto w = Window(sample_.mc_residue);
    QVERIFY(w);
    Choose(&DestinationWindow::screen);
    w->ShowInputReport(ReportKind::Residue);
    QCOMPARE(script_.shown.size(), std::size_t{1});
    QCOMPARE(script_.shown[0].first, std::string("Current Residue File"));
    Choose(&DestinationWindow::screen);
    w->ShowInputReport(ReportKind::Rdf);
    QCOMPARE(script_.shown.size(), std::size_t{2});
    QCOMPARE(script_.shown[1].first, std::string("RDF Summary"));
    QVERIFY(!w->model().rdfs_cumulative);
  }

  void rdfSummaryOfCumulativeFilesEnablesCumulativeCec() {
    auto w = Window(sample_.two_chemical_residue);
    QVERIFY(w);
    w->monte_carlo->click();
    w->save_cec->click();
    QVERIFY(!w->cumulative->isEnabled());
    Choose(&DestinationWindow::cancel);
    w->ShowInputReport(ReportKind::Rdf);
    QVERIFY(w->cumulative->isEnabled());
    w->cumulative->click();
    QVERIFY(w->model().RunForm().cumulative_cec);
  }

  void batchFileOpensRunsAndShowsItsReport() {
    auto w = Window(session_);
    script_.file_names = {(Residues() / sample_.batch_file).string()};
    w->ChooseBatchFile();
    QVERIFY(w->model().form.batch.has_value());
    QVERIFY(!w->save_report->isVisibleTo(w.get()));
    QVERIFY(!w->save_cec->isVisibleTo(w.get()));
    QCOMPARE(w->model().form.comment, w->model().form.batch->file.comment);
    QVERIFY(!w->model().form.comment.empty());

    // A second batch file is refused before its dialog.
    script_.file_names = {(Residues() / sample_.batch_file).string()};
    w->ChooseBatchFile();
    QCOMPARE(script_.file_names.size(), std::size_t{1});
    script_.file_names.clear();

    Choose(&DestinationWindow::screen);
    w->ShowInputReport(ReportKind::Batch);
    QCOMPARE(script_.shown.size(), std::size_t{1});
    QCOMPARE(script_.shown[0].first, std::string("Current Batch File"));
    QVERIFY(script_.shown[0].second.rfind("Batch File Name: ", 0) == 0);

    w->standard[0]->click();
    w->StartAnalysis(false);
    QVERIFY(WaitForRun(*w));
    const BatchFile& b = w->model().form.batch->file;
    for (const std::string& report : b.BatchRptFile)
      QVERIFY(std::filesystem::exists(Residues() / (report + ".AC10")));

    w->CloseFile();
    QVERIFY(w->model().Visibility().start_hint);
    QVERIFY(!w->model().form.batch);

    // File, Open Residue File through the port's open dialog, in the residue folder.
    script_.file_names = {(Residues() / sample_.mc_residue).string()};
    w->ChooseResidueFile();
    QVERIFY(w->model().form.residue.has_value());
    QVERIFY(w->monte_carlo->isVisibleTo(w.get()));
    QCOMPARE(w->model().ResidueFileDialog(session_).initial_name,
             w->model().form.residue->ResFileName);
  }

  void fileDialogFiltersInQtsForm() {
    QCOMPARE(QtFilter("Residue files (*.R10)|*.R10;*.r10"), QString("Residue files (*.R10 *.r10)"));
    QCOMPARE(QtFilter("CEC reports (*.CEC)|*.CEC|All (*.*)|*.*"),
             QString("CEC reports (*.CEC *.cec);;All (*.*)"));
    // A description naming another pattern keeps its text; the pattern follows it.
    QCOMPARE(QtFilter("Acute analysis reports (*.AC108)|*.AC10"),
             QString("Acute analysis reports (*.AC108) (*.AC10 *.ac10)"));
  }

  void batchEditorWritesTheFileItsReaderTakes() {
    BatchEditor editor("R10", "B10", Residues());
    BatchEditorWindow window(editor, script_, nullptr);
    QTest::keyClicks(window.file_list, "x");  // no file open: refused, nothing typed
    QCOMPARE(QString::fromStdString(script_.LastMessage()),
             QString("Warning: You must open an existing file or start a new file before "
                     "entering data into this form."));
    QVERIFY(window.file_list->toPlainText().isEmpty());

    const auto file = Residues() / "EDITED.B10";
    script_.file_names = {file.string()};
    window.NewFile();
    QTest::keyClicks(window.doc, "Two files");
    QTest::keyClicks(window.file_list, "a.R10, first");
    QTest::keyClick(window.file_list, Qt::Key_Return);
    QTest::keyClicks(window.file_list, "b.R10, second");
    window.Save();
    QCOMPARE(ReadUndated(file),
             QString("Two files\r\nSTART\r\n 2 \r\na.R10, first\r\nb.R10, second\r\n"));
  }

  void reportWindowKeysFindAndPdfName() {
    ReportWindow window("Show last Acute Analysis", nullptr);
    QStringList lines;
    for (int i = 1; i <= 300; ++i) lines << QString("line %1 of the report").arg(i);
    lines[250] = "Exposure of Children 1-2 yrs";
    window.SetText(lines.join("\r\n"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QPlainTextEdit* view = window.view();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
    QVERIFY(view->textCursor().atEnd());
    QVERIFY(view->verticalScrollBar()->value() > 0);
    QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier);
    QVERIFY(view->textCursor().atStart());
    QTest::keyClick(view, Qt::Key_End);
    QCOMPARE(view->textCursor().positionInBlock(), lines[0].size());
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    QTRY_VERIFY(window.findBox()->hasFocus());
    QTest::keyClicks(window.findBox(), "children 1-2");
    QTest::keyClick(window.findBox(), Qt::Key_Return);
    QCOMPARE(view->textCursor().selectedText(), QString("Children 1-2"));
    QCOMPARE(view->textCursor().blockNumber(), 250);
    QVERIFY(window.FindNext());  // from the top again
    QCOMPARE(window.ProposedPdfName(), QString("Show-last-Acute-Analysis.pdf"));
  }

  void aFileDialogStartsInItsFolderWithAnEmptyName() {
    QFileDialog box;
    box.setOption(QFileDialog::DontUseNativeDialog);
    const std::string folder = Residues().string() + "/";
    PrepareFileDialog(box, FileDialog{"Open Residue File", "", "R10", folder});
    QCOMPARE(box.directory().absolutePath(), QDir(QString::fromStdString(folder)).absolutePath());
    auto* name = box.findChild<QLineEdit*>("fileNameEdit");
    QVERIFY(name);
    QCOMPARE(name->text(), QString());
    PrepareFileDialog(box, FileDialog{"Open Residue File", "", "R10", folder + "SAMPLE.R10"});
    QCOMPARE(name->text(), QString("SAMPLE.R10"));
  }
};

}  // namespace acute::gui

QTEST_MAIN(acute::gui::ReportsAndBatchTest)
#include "reports_and_batch_test.moc"
