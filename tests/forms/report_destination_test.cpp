// The report destination dialog and the sending of a report: screen, printer, file.
#include "forms/report_destination.h"

#include <gtest/gtest.h>

#include "support/scripted_port.h"
#include "support/test_support.h"

namespace acute {
namespace {

using testing::ReadText;
using testing::ScratchFolder;
using testing::WriteText;

class ReportDestination : public ::testing::Test {
 protected:
  void SetUp() override { WriteText(report_, "Line 1\r\n\r\n\f\r\nPage 2\r\n"); }
  ScratchFolder dir_;
  std::filesystem::path report_ = dir_ / "acuteres.tmp";
  ScriptedPort port_;
};

TEST_F(ReportDestination, SavingOverAnExistingFileAsksFirstAndNoKeepsIt) {
  WriteText(dir_ / "OLD.AC1", "old report");
  ReportDestinationDialog dialog(ReportKind::Residue, "", dir_.path());
  port_.file_names = {"OLD"};  // the default extension is added
  port_.answers = {Answer::No};
  dialog.OnDiskFile(port_);  // No: the save dialog again, which is cancelled
  EXPECT_TRUE(dialog.IsOpen());
  EXPECT_EQ(dialog.Choice(), Destination::Cancelled);
  ASSERT_EQ(port_.events.size(), 3u);
  EXPECT_EQ(port_.events[0].title, "Save residue file report as:");
  EXPECT_EQ(port_.events[1].title, "Warning!");
  EXPECT_EQ(port_.events[1].text,
            "File " + (dir_ / "OLD.AC1").string() + " already exists. Write over?");
  EXPECT_EQ(port_.events[1].buttons, Buttons::YesNoCancel);
  EXPECT_EQ(port_.events[2].kind, PortEvent::Kind::FileDialog);
  EXPECT_EQ(port_.events[2].text, (dir_ / "OLD.AC1").string());  // opens on the same name
  EXPECT_TRUE(SendChosen(dialog, report_, port_));
  EXPECT_EQ(ReadText(dir_ / "OLD.AC1"), "old report");

  port_.file_names = {"OLD.AC1"};
  port_.answers = {Answer::Cancel};
  dialog.OnDiskFile(port_);
  EXPECT_TRUE(dialog.IsOpen());

  port_.file_names = {"OLD.AC1"};
  port_.answers = {Answer::Yes};
  dialog.OnDiskFile(port_);
  ASSERT_FALSE(dialog.IsOpen());
  EXPECT_EQ(dialog.Choice(), Destination::DiskFile);
  ASSERT_TRUE(SendChosen(dialog, report_, port_));
  EXPECT_EQ(ReadText(dir_ / "OLD.AC1"), ReadText(report_));
  const PortEvent done = port_.Messages().back();
  EXPECT_EQ(done.title, "Action completed");
  EXPECT_EQ(done.text.rfind("Residue File Report saved as file " + (dir_ / "OLD.AC1").string() +
                                "\r\nNote that this file is dated ",
                            0),
            0u);
}

TEST_F(ReportDestination, AFailedCopySaysSoAndNeverConfirms) {
  ReportDestinationDialog dialog(ReportKind::Rdf, "", dir_.path());
  port_.file_names = {(dir_ / "missing/folder/R.AC3").string()};
  dialog.OnDiskFile(port_);
  EXPECT_FALSE(SendChosen(dialog, report_, port_));
  for (const PortEvent& e : port_.Messages())
    EXPECT_EQ(e.text.find("saved as file"), std::string::npos);
  EXPECT_NE(port_.LastMessage().find("Can't save the report as file"), std::string::npos);
}

TEST_F(ReportDestination, ScreenAndPrinter) {
  ReportDestinationDialog screen(ReportKind::Batch, "", dir_.path());
  EXPECT_EQ(screen.Caption(), "Send Batch File report to:");
  screen.OnScreen();
  ASSERT_TRUE(SendChosen(screen, report_, port_));
  ASSERT_EQ(port_.shown.size(), 1u);
  EXPECT_EQ(port_.shown[0].first, "Current Batch File");

  ReportDestinationDialog printer(ReportKind::Residue, "", dir_.path());
  printer.OnPrinter();
  ASSERT_TRUE(SendChosen(printer, report_, port_));
  ASSERT_EQ(port_.printed.size(), 1u);
  const PrintJob& job = port_.printed[0];
  EXPECT_EQ(job.font, "Courier New");
  ASSERT_EQ(job.pages.size(), 2u);  // the form feed line starts page 2
  EXPECT_EQ(job.pages[0], (std::vector<std::string>{"Line 1", ""}));
  EXPECT_EQ(job.pages[1], (std::vector<std::string>{"Page 2"}));
  EXPECT_EQ(port_.LastMessage(), "Action completed: Residue File Report sent to Printer");

  port_.printer_ok = false;
  EXPECT_FALSE(SendChosen(printer, report_, port_));
  EXPECT_EQ(port_.LastMessage(), "Printer error: The report could not be printed.");
}

TEST_F(ReportDestination, CancelSendsNothing) {
  ReportDestinationDialog dialog(ReportKind::Acute, "", dir_.path());
  dialog.OnCancel();
  EXPECT_TRUE(SendChosen(dialog, report_, port_));
  EXPECT_TRUE(port_.events.empty());
}

}  // namespace
}  // namespace acute
