#include "inputs/batch_report.h"

#include "common/print_writer.h"

namespace acute {

std::string BatchReportText(const BatchFile& batch) {
  PrintWriter w;
  w.Line("Batch File Name: " + batch.BatchFileName);
  w.EndLine();
  w.Text("Residue Files").Tab(40).Text("Output Files").EndLine();
  w.Text("-----------------").Tab(40).Text("-----------------------").EndLine();
  for (std::size_t i = 0; i < batch.BatchResFile.size(); ++i)
    w.Text(batch.BatchResFile[i]).Tab(40).Text(batch.BatchRptFile[i]).EndLine();
  return w.Contents();
}

}  // namespace acute
