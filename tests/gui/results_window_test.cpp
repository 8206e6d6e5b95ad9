// The Results window after a run, offscreen: Show Results once a run has completed, the
// table against the run's figures for every population, Copy and Ctrl+C, Save as CSV, and
// the chart drawn from the same figures.
#include "results_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <algorithm>
#include <fstream>
#include <functional>
#include <sstream>

#include "chart_window.h"
#include "gui_sample.h"

namespace acute::gui {
namespace {

std::string ReadFile(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

int ColumnOf(const ResultsTable& table, const std::string& heading) {
  const auto headings = table.Headings();
  const auto at = std::find(headings.begin(), headings.end(), heading);
  return at == headings.end() ? -1 : static_cast<int>(at - headings.begin());
}

// Runs `act` on the modal window of type W as soon as it shows, then closes it.
template <typename W>
void OnModal(std::function<void(W&)> act) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, [poll, act] {
    auto* w = qobject_cast<W*>(QApplication::activeModalWidget());
    if (w == nullptr) return;
    poll->stop();
    poll->deleteLater();
    act(*w);
    w->accept();
  });
  poll->start(5);
}

}  // namespace

class ResultsWindowTest : public QObject, private GuiSample {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { QVERIFY(WriteSample()); }

  void theTableHoldsTheRunsFiguresAndSavesAsCsv() {
    auto w = Window(sample_.plain_residue);
    QVERIFY(w);
    QVERIFY(!w->show_results->isEnabled());
    QVERIFY(!w->results_button->isEnabled());
    w->standard[0]->click();
    w->standard[5]->click();
    w->StartAnalysis(false);
    QVERIFY(WaitForRun(*w));
    QVERIFY(w->show_results->isEnabled());
    QVERIFY(w->results_button->isEnabled());
    QCOMPARE(w->results_note->text(), QString(kResultsOffer));
    const ReportFigures& figures = w->lastOutcome()->reports.at(0);

    int shown_rows = 0;
    OnModal<ResultsWindow>([&](ResultsWindow& r) { shown_rows = r.table()->rowCount(); });
    w->ShowResults();
    QCOMPARE(shown_rows, kLevelCount);

    ResultsWindow window(ResultsTable(w->results().Reports()), w->port(), nullptr);
    QVERIFY(!window.entries()->isVisibleTo(&window));
    QCOMPARE(window.populations()->count(), static_cast<int>(figures.results.size()));
    const int user = ColumnOf(window.model(), "Per-user exposure (binned)");
    const int capita = ColumnOf(window.model(), "Per-capita exposure (binned)");
    QVERIFY(user > 0 && capita > 0);
    // The chooser shows the population chosen (the table's rows: the results table's test).
    window.populations()->setCurrentIndex(1);
    const PopulationResult& r = figures.results[1];
    QVERIFY(window.summary()->text().contains("Per-user mean"));
    QCOMPARE(window.table()->rowCount(), kLevelCount);
    QCOMPARE(window.table()->item(4, user)->data(Qt::UserRole).toDouble(),
             r.Exposure(Distribution::Users, 4));
    QCOMPARE(window.table()->item(4, capita)->data(Qt::UserRole).toDouble(),
             r.Exposure(Distribution::PerCapita, 4));
    QCOMPARE(window.table()->item(4, user + 1)->text(), QString(kAbsentFigure));

    // Save as CSV writes the table's CSV text (its fields: the results table's test).
    const std::string file = dir_.filePath("results.csv").toStdString();
    script_.file_names = {file};
    window.SaveCsv();
    QCOMPARE(ReadFile(file), window.model().CsvText());

    // Copy, by the button's slot and by Ctrl+C in the table.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QApplication::clipboard()->clear();
    window.table()->setFocus();
    QTest::keyClick(window.table(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text().toStdString(), window.model().CopyText());
  }

  void theChartOfTheRunComesFromItsFigures() {
    auto w = Window(sample_.plain_residue);
    QVERIFY(w);
    w->standard[0]->click();
    w->StartAnalysis(false);
    QVERIFY(WaitForRun(*w));
    // The plot file goes: the chart of this session's run does not read it.
    std::filesystem::remove(w->lastOutcome()->last_plot);
    QString title;
    OnModal<ChartWindow>([&](ChartWindow& c) { title = c.windowTitle(); });
    w->ShowChart();
    QCOMPARE(title.toStdString(), ChartDataOf(w->results().Reports().back()).title);
  }
};

}  // namespace acute::gui

QTEST_MAIN(acute::gui::ResultsWindowTest)
#include "results_window_test.moc"
