#include "forms/batch_open.h"

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

}  // namespace acute
