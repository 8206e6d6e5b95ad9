// The main window as a user meets it, offscreen: every Alt+letter reaches one control, the
// standard keys, a window that keeps its size with the population list readable, nothing
// that cannot act enabled during a run, Escape, closing and Cancel in the progress window
// ask the Cancel question and a cancelled run leaves no report, the focus on the control a refusal
// names, and Clear Form's question.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>
#include <map>

#include "gui_sample.h"
#include "progress_window.h"

namespace acute::gui {
namespace {

// The letter after a single "&" of a caption, lower case; 0 when there is none.
QChar Mnemonic(const QString& text) {
  for (int i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {
      ++i;
      continue;
    }
    return text[i + 1].toLower();
  }
  return QChar();
}

// The Alt+letters of the window's controls that a user can reach now, with their captions.
std::multimap<QChar, QString> WindowMnemonics(MainWindow& w) {
  std::multimap<QChar, QString> keys;
  for (QAction* a : w.menuBar()->actions())
    if (!Mnemonic(a->text()).isNull()) keys.emplace(Mnemonic(a->text()), a->text());
  for (QAbstractButton* b : w.findChildren<QAbstractButton*>())
    if (b->isVisibleTo(&w) && !Mnemonic(b->text()).isNull())
      keys.emplace(Mnemonic(b->text()), b->text());
  return keys;
}

QString Collisions(const std::multimap<QChar, QString>& keys) {
  QString out;
  for (auto it = keys.begin(); it != keys.end(); it = keys.upper_bound(it->first))
    if (keys.count(it->first) > 1)
      for (auto [a, b] = keys.equal_range(it->first); a != b; ++a) out += a->second + "; ";
  return out;
}

}  // namespace

class MainFormLayoutTest : public QObject, private GuiSample {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindow> Shown(const std::string& residue, QSize size) {
    auto w = Window(residue);
    if (!w) return w;
    w->resize(size);
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get())) return nullptr;
    return w;
  }
  // Ticks everything that shows a frame or a row.
  static void ShowEveryFrame(MainWindow& w) {
    w.occasions->click();
    w.monte_carlo->click();
    w.save_report->click();
    w.save_plot->click();
    w.save_cec->click();
    QApplication::processEvents();
  }
  static QScrollArea* Central(MainWindow& w) {
    return qobject_cast<QScrollArea*>(w.centralWidget());
  }

 private Q_SLOTS:
  void initTestCase() { QVERIFY(WriteSample()); }
  void init() { script_.events.clear(); }

  void everyAltLetterReachesOneControl() {
    auto w = Shown(sample_.mc_residue, {1280, 900});
    QVERIFY(w);
    ShowEveryFrame(*w);
    const auto keys = WindowMnemonics(*w);
    QVERIFY(keys.size() >= 14);
    QVERIFY2(Collisions(keys).isEmpty(), qPrintable(Collisions(keys)));
    std::multimap<QChar, QString> file;
    for (QAction* a : w->menuBar()->actions().front()->menu()->actions())
      if (!Mnemonic(a->text()).isNull()) file.emplace(Mnemonic(a->text()), a->text());
    QVERIFY2(Collisions(file).isEmpty(), qPrintable(Collisions(file)));
    QCOMPARE(Mnemonic(w->close_file->text()), QChar('c'));
    // The standard keys.
    QCOMPARE(w->open_residue->shortcut(), QKeySequence(QKeySequence::Open));
    QCOMPARE(w->exit_program->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    bool f1 = false;
    for (QAction* a : w->findChildren<QAction*>())
      f1 = f1 || a->shortcut() == QKeySequence(Qt::Key_F1);
    QVERIFY(f1);
  }

  void theWindowKeepsItsSizeAndNothingMovesUnderThePointer() {
    auto w = Shown(sample_.mc_residue, {1280, 900});
    QVERIFY(w);
    const auto where = [&w] {
      QList<QPoint> at;
      for (QWidget* c : std::initializer_list<QWidget*>{w->qa, w->save_cec, w->save_dwloc,
                                                        w->two_day, w->comment, w->clear_form})
        at << c->mapTo(w.get(), QPoint());
      return at;
    };
    const QList<QPoint> before = where();
    ShowEveryFrame(*w);
    QCOMPARE(w->size(), QSize(1280, 900));
    QCOMPARE(where(), before);
    // At least 12 population rows show without scrolling.
    auto* list = w->standard.front()->parentWidget();
    auto* viewport = list->parentWidget();
    const int row = w->standard[1]->y() - w->standard[0]->y();
    QVERIFY2(viewport->height() / row >= 12,
             qPrintable(QString("%1 rows").arg(viewport->height() / row)));
  }

  void everyFrameFitsTheSmallScreen() {
    auto w = Shown(sample_.mc_residue, {1366, 768});
    QVERIFY(w);
    ShowEveryFrame(*w);
    QCOMPARE(w->size(), QSize(1366, 768));
    QScrollArea* central = Central(*w);
    QVERIFY(central);
    QVERIFY2(central->widget()->minimumSizeHint().height() <= central->viewport()->height(),
             qPrintable(QString("content %1 in %2")
                            .arg(central->widget()->minimumSizeHint().height())
                            .arg(central->viewport()->height())));
    // Smaller still, everything stays reachable by scrolling.
    w->resize(900, 560);
    QApplication::processEvents();
    QCOMPARE(w->size(), QSize(900, 560));
    QVERIFY(central->verticalScrollBar()->maximum() > 0);
  }

  void duringARunOnlyWhatCanActIsEnabled() {
    auto w = Shown(sample_.mc_residue, {1280, 900});
    QVERIFY(w);
    w->monte_carlo->click();
    QTest::keyClicks(w->iterations, "5000");
    QTest::keyClicks(w->seed, "1");
    for (QCheckBox* b : w->standard) b->click();
    bool checked = false;
    QTimer poll;
    ProgressWindow* progress = w->port().progress();
    connect(&poll, &QTimer::timeout, [&] {
      if (!progress->isVisible() || progress->bar()->maximum() == 0) return;
      poll.stop();
      checked = true;
      QVERIFY(!w->run_menu->isEnabled());
      QVERIFY(!w->clear_form->isEnabled());
      QVERIFY(!w->close_file->isEnabled());
      QVERIFY(!w->open_residue->isEnabled());
      QVERIFY(!w->batch_editor->isEnabled());
      QVERIFY(progress->heading().contains(QString::fromStdString(sample_.mc_residue)));
      QVERIFY(progress->heading().contains("5000 iterations"));
      // The survey pass's status text, with its percent on the bar.
      QVERIFY(progress->status().contains("\nProgress:    "));
      QVERIFY(progress->status().endsWith(QString::number(progress->bar()->value()) + "%"));
      script_.answers = {Answer::No, Answer::No};
      QTest::keyClick(progress, Qt::Key_Escape);  // asks, No goes on
      QVERIFY(progress->isVisible());
      progress->close();  // asks, No goes on
      QVERIFY(progress->isVisible());
      progress->cancelButton()->click();  // asks again, Yes cancels
    });
    poll.start(20);
    const auto last_report = session_.folder / "acute.tmp";
    std::filesystem::remove(last_report);
    w->StartAnalysis(false);
    QVERIFY(!WaitForRun(*w));
    QVERIFY(checked);
    int asked = 0;
    for (const auto& m : script_.Messages())
      asked += m.text == "Are you sure that you want to cancel this analysis?" ? 1 : 0;
    QCOMPARE(asked, 3);
    QCOMPARE(QString::fromStdString(script_.LastMessage()),
             QString("Tarn-VELD Acute: Acute Analysis was not completed."));
    QVERIFY(!std::filesystem::exists(last_report));
    QVERIFY(!w->busy());
    QVERIFY(w->run_menu->isEnabled() && w->clear_form->isEnabled() && w->close_file->isEnabled());
  }

  void aRefusalPutsTheFocusOnItsControl() {
    auto w = Shown(sample_.plain_residue, {1280, 900});
    QVERIFY(w);
    QApplication::setActiveWindow(w.get());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    w->standard[0]->click();
    w->save_report->click();
    w->comment->setFocus();
    w->StartAnalysis(false);
    QVERIFY(!WaitForRun(*w));
    QCOMPARE(QString::fromStdString(script_.LastMessage()),
             QString("Warning: If you want Acute report file to be saved, you must specify a "
                     "valid file name (*.AC10)"));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w->report_name));
  }

  void customIndexesAreButtonsAndMarkADefinition() {
    auto w = Shown(sample_.plain_residue, {1280, 900});
    QVERIFY(w);
    for (QPushButton* b : w->custom_index) {
      QVERIFY(!b->isFlat());
      QVERIFY(b->focusPolicy() & Qt::TabFocus);
    }
    QVERIFY(!w->custom_marks[1]->isVisible());
    w->model().form.custom[1].population.name = "Toddlers";
    w->model().form.custom[1].defined = true;
    w->Refresh();
    QVERIFY(w->custom_marks[1]->isVisible());
    QVERIFY(!w->custom_marks[0]->isVisible());
  }

  void clearFormAsksWithNoAsTheDefault() {
    auto w = Shown(sample_.plain_residue, {1280, 900});
    QVERIFY(w);
    w->port().SetScript(nullptr);  // the real message box
    w->standard[0]->click();
    QString default_button;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      icon = box->icon();
      if (box->defaultButton() != nullptr) default_button = box->defaultButton()->text();
      QTest::keyClick(box, Qt::Key_Return);
    });
    w->clear_form->click();
    QVERIFY(default_button.contains("No"));
    QCOMPARE(icon, QMessageBox::Question);
    QVERIFY(w->model().form.standard[0]);  // Enter answered No
    w->port().SetScript(&script_);
  }
};

}  // namespace acute::gui

QTEST_MAIN(acute::gui::MainFormLayoutTest)
#include "main_form_layout_test.moc"
