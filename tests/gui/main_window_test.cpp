// The desktop program's windows driven offscreen: a run from the main form gives the same
// report as the command line, a custom population defined in its dialog reaches the report,
// a refused field keeps the focus, the uncertainty frame writes the form and a run with
// bootstrap rounds bands its chart, and a report saved as PDF has the report's pages.
#include "main_window.h"

#include <QApplication>
#include <QChartView>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

#include "chart_window.h"
#include "custom_dialog.h"
#include "gui_sample.h"
#include "pad_window.h"
#include "report_window.h"

namespace acute::gui {

class MainWindowTest : public QObject, private GuiSample {
  Q_OBJECT

 private:
  static bool Run(MainWindow& w) {
    w.StartAnalysis(false);
    return WaitForRun(w);
  }

 private Q_SLOTS:
  void initTestCase() { QVERIFY(WriteSample()); }

  void init() { script_.events.clear(); }

  void sameReportAsTheCommandLine() {
    QProcess cli;
    cli.start(ACUTE_CLI_BINARY,
              {"--yes", "--data", QString::fromStdString(sample_.folder.string()), "analyze",
               "--residue", QString::fromStdString(sample_.plain_residue), "--pop", "1", "--pop",
               "3", "--reversal", "6", "--second-adjustment", "--report", "cli"});
    QVERIFY(cli.waitForFinished(120000));
    QCOMPARE(cli.exitCode(), 0);

    auto w = Window(sample_.plain_residue);
    QVERIFY(w);
    w->occasions->click();
    w->reversal->click();
    QTest::keyClicks(w->half_life, "6");
    w->second_adjustment->click();
    w->standard[0]->click();
    w->standard[2]->click();
    w->save_report->click();
    QTest::keyClicks(w->report_name, "gui");
    QVERIFY(Run(*w));
    const QString cli_report = ReadUndated(Residues() / "cli.AC10");
    QVERIFY(cli_report.size() > 1000);
    QCOMPARE(ReadUndated(Residues() / "gui.AC10"), cli_report);
  }

  void customPopulationReachesTheReport() {
    auto w = Window(sample_.plain_residue);
    QVERIFY(w);
    QTest::keyClicks(w->custom_names[0], "Little ones");
    QString title;
    QTimer::singleShot(0, [&title] {
      auto* d = qobject_cast<CustomDialog*>(QApplication::activeModalWidget());
      if (d == nullptr) return;
      title = d->windowTitle();
      d->male->click();
      d->female->click();
      d->lactating->click();
      d->races[0]->click();
      d->infants[0]->click();
      d->age_all->click();
      d->age_all->click();  // ages enabled again, both in years
      QTest::keyClicks(d->age_low, "1");
      QTest::keyClicks(d->age_high, "2");
      d->Complete();
      if (d->isVisible()) d->reject();
    });
    w->OpenCustomDialog(0);
    QCOMPARE(title, QString("Custom Subpopulation: (1) Little ones"));
    QVERIFY(w->model().form.custom[0].defined);
    QVERIFY(Run(*w));
    const QString report = ReadUndated(w->lastOutcome()->last_report);
    QVERIFY(report.contains("Little ones"));
  }

  void padWindowStoresNoNegativePad() {
    auto w = Window(sample_.plain_residue);
    QVERIFY(w);
    QString title, after_enter;
    QTimer::singleShot(0, [&] {
      auto* p = qobject_cast<PadWindow*>(QApplication::activeModalWidget());
      if (p == nullptr) return;
      title = p->windowTitle();
      QTest::keyClicks(p->boxes()[0], "-1");
      QTest::keyClick(p->boxes()[0], Qt::Key_Return);
      after_enter = p->boxes()[0]->text();
      QTest::keyClicks(p->boxes()[1], "0.003");
      QTest::keyClicks(p->boxes()[2], "-5");  // never confirmed with Enter
      p->close();                             // closing the window saves as well
    });
    w->OpenPadDialog();
    QCOMPARE(title, QString("Acute PAD Values"));
    QCOMPARE(after_enter, QString());
    const auto& pads = w->model().form.standard_pad;
    QCOMPARE(pads.Of(6), 0.0f);
    QCOMPARE(pads.Of(7), 0.003f);
    QCOMPARE(pads.Of(8), 0.0f);
  }

  void refusedFieldKeepsTheFocus() {
    auto w = Window(sample_.mc_residue);
    QVERIFY(w);
    w->show();
    QApplication::setActiveWindow(w.get());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    w->monte_carlo->click();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w->iterations));
    QTest::keyClicks(w->iterations, "6000");
    w->seed->setFocus();
    QCOMPARE(QString::fromStdString(script_.LastMessage()),
             QString("Warning: Number of iterations must be 1-5000."));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w->iterations));
    w->iterations->clear();
    QTest::keyClicks(w->iterations, "50");
    QTest::keyClick(w->iterations, Qt::Key_Return);
    QCOMPARE(script_.Messages().size(), std::size_t{1});
  }

  void chartOfTheLastRunSavesAsPngAndSvg() {
    auto w = Window(sample_.plain_residue);
    QVERIFY(w);
    w->standard[0]->click();
    w->standard[5]->click();
    QVERIFY(Run(*w));
    auto data = ReadChartData(w->lastOutcome()->last_plot, false, 0.01);
    QVERIFY(data);
    const int populations = static_cast<int>(data->curves.size());
    ChartWindow window(*data, nullptr);
    // A curve and its percentile markers per population, one aRfD line.
    QCOMPARE(window.view()->chart()->series().size(), 2 * populations + 1);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(400, 300);  // the window can be made small
    QApplication::processEvents();
    QVERIFY(window.width() <= 420);
    window.resize(960, 680);
    QApplication::processEvents();
    const QString png = dir_.filePath("chart.png");
    const QString svg = dir_.filePath("chart.svg");
    QVERIFY(window.SavePng(png));
    QVERIFY(window.SaveSvg(svg));
    QVERIFY(QImage(png).width() >= 900);
    QFile f(svg);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll().contains("<polyline"));
  }

  // The uncertainty frame writes the form, and is disabled with the form set up for DWLOC.
  void uncertaintyFrameWritesTheForm() {
    auto w = Window(sample_.plain_residue);
    QVERIFY(w);
    QVERIFY(w->bootstrap_rounds->isEnabled());
    QCOMPARE(w->bootstrap_rounds->text(), QString("0"));
    w->bootstrap_rounds->clear();
    QTest::keyClicks(w->bootstrap_rounds, "12");
    QTest::keyClicks(w->bootstrap_seed, "7");
    w->resample_residues->click();
    const BootstrapFrame& b = w->model().form.bootstrap;
    QCOMPARE(b.rounds, std::string("12"));
    QCOMPARE(b.seed, std::string("7"));
    QVERIFY(b.survey && !b.residues);
    w->save_dwloc->click();
    QVERIFY(!w->bootstrap_rounds->isEnabled() && !w->resample_survey->isEnabled());
  }

  // A run with bootstrap rounds: its chart bands each population, the note names the level.
  void bootstrapRunBandsTheChart() {
    auto w = Window(sample_.plain_residue);
    QVERIFY(w);
    w->model().form.bootstrap.rounds = "12";
    w->model().form.bootstrap.seed = "7";
    w->standard[0]->click();
    w->standard[2]->click();
    QVERIFY(Run(*w));
    QVERIFY(w->lastOutcome()->bootstrap);
    int bands = -1;
    QString note;
    QTimer::singleShot(0, [&] {
      auto* chart = qobject_cast<ChartWindow*>(QApplication::activeModalWidget());
      if (chart == nullptr) return;
      bands = 0;
      for (QAbstractSeries* series : chart->view()->chart()->series())
        bands += series->type() == QAbstractSeries::SeriesTypeArea ? 1 : 0;
      for (QLabel* label : chart->findChildren<QLabel*>()) note += label->text();
      chart->accept();
    });
    w->ShowChart();
    QCOMPARE(bands, 2);
    QVERIFY2(note.contains("95% interval, 12 rounds"), qPrintable(note));
  }

  void pdfHasTheReportPages() {
    ReportWindow window("Show last Acute Analysis", nullptr);
    QVERIFY(window.Load(sample_.residue_folder / "gui.AC10"));
    QVERIFY(window.pages().size() > 1);
    const QString pdf = dir_.filePath("report.pdf");
    QVERIFY(window.SaveAsPdf(pdf));
    QFile f(pdf);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    const auto pages =
        QRegularExpression("/Type\\s*/Page[^s]").globalMatch(QString::fromLatin1(bytes));
    int count = 0;
    for (auto it = pages; it.hasNext(); it.next()) ++count;
    QCOMPARE(count, static_cast<int>(window.pages().size()));
  }
};

}  // namespace acute::gui

QTEST_MAIN(acute::gui::MainWindowTest)
#include "main_window_test.moc"
