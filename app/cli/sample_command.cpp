#include <iostream>

#include "commands.h"
namespace acute::cli {
int RunSampleData(const SampleDataOptions&) {
  std::cerr << "acute: sample-data is not available in this build\n";
  return 1;
}
}  // namespace acute::cli
