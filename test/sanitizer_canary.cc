// A program with one fault of each kind the sanitizer build must catch,
// chosen by its argument. The sanitizer test runs it and expects each
// fault reported: were a sanitizer off, or its reports lost, every test of
// the suite would pass without it and no one would know.

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Kept out of the optimizer's sight, so that no fault is folded away.
volatile int sink;

int leak() {
  int* lost = new int[16];
  sink = lost[0] = 1;
  lost = nullptr;
  return 0;  // LeakSanitizer reports at exit
}

int heap_overflow() {
  int* a = new int[4];
  const int i = 4 + sink * 0;
  sink = a[i];
  delete[] a;
  return 0;
}

int signed_overflow() {
  int big = INT_MAX - sink * 0;
  sink = big + 1;
  return 0;
}

int index_past_the_end() {
  std::vector<int> v(4);
  v.reserve(64);  // inside the capacity: AddressSanitizer alone sees nothing
  sink = v[static_cast<size_t>(4 + sink * 0)];
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  sink = 0;
  const char* fault = argc > 1 ? argv[1] : "";
  if (std::strcmp(fault, "leak") == 0) return leak();
  if (std::strcmp(fault, "heap-overflow") == 0) return heap_overflow();
  if (std::strcmp(fault, "signed-overflow") == 0) return signed_overflow();
  if (std::strcmp(fault, "index") == 0) return index_past_the_end();
  std::fprintf(stderr, "usage: sanitizer_canary leak|heap-overflow|signed-overflow|index\n");
  return 2;
}
