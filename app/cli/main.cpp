#include <iostream>

int main() {
  std::cout << "acute\n";
  return 0;
}
