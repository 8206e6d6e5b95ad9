#include "forms/batch_open.h"

#include "inputs/batch_setup.h"

namespace acute {

bool MayOpenBatch(const MainForm& form, UserPort& port) {
  if (form.residue) {
    Tell(port, "Warning", "Can't open new batch file before you close the current residue file.");
    return false;
  }
  if (form.batch) {
    Tell(port, "Warning", "Can't open new batch file before you close the current batch file.");
    return false;
  }
  return true;
}

bool OpenBatchOnForm(MainForm& form, const std::filesystem::path& file, const DataSession& session,
                     UserPort& port) {
  if (!MayOpenBatch(form, port)) return false;
  form.batch = batchsetup(file, session.support, port);
  if (!form.batch) return false;
  form.comment = form.batch->file.comment;
  return true;
}

}  // namespace acute
