#include "controls/PaneItemArray.h"

#include <cstdlib>
#include <cstring>

namespace controls {

namespace {

size_t SlotBytes(int n) { return static_cast<size_t>(n + 2) * sizeof(std::intptr_t); }

}  // namespace

PaneItemArray CreatePaneItemArray() {
  auto* array = static_cast<std::intptr_t*>(std::calloc(2, sizeof(std::intptr_t)));
  return array;
}

void FreePaneItemArray(PaneItemArray array) { std::free(array); }

int PaneItemArrayLimit(const std::intptr_t* array) { return array ? static_cast<int>(array[0]) : -1; }

bool ResizePaneItemArray(PaneItemArray& array, int n) {
  if (!array || n < 0) return false;
  int old = PaneItemArrayLimit(array);
  auto* resized = static_cast<std::intptr_t*>(std::realloc(array, SlotBytes(n)));
  if (!resized) {
    if (n > old) return false;
    resized = array;
  } else if (n > old) {
    std::memset(resized + old + 2, 0, static_cast<size_t>(n - old) * sizeof(std::intptr_t));
  }
  resized[0] = n;
  array = resized;
  return true;
}

void* PaneItemAt(const std::intptr_t* array, int index) {
  if (!array || index < 0 || index > PaneItemArrayLimit(array)) return nullptr;
  return reinterpret_cast<void*>(array[index + 1]);
}

void InsertPaneItem(std::intptr_t* array, int count, int index, void* item) {
  for (int slot = count + 1; slot > index + 1; --slot) array[slot] = array[slot - 1];
  array[index + 1] = reinterpret_cast<std::intptr_t>(item);
}

void RemovePaneItemAt(std::intptr_t* array, int count, int index) {
  for (int slot = index + 1; slot < count; ++slot) array[slot] = array[slot + 1];
  array[count] = 0;
}

}  // namespace controls
