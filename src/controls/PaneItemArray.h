#pragma once
// The task pane's growable array of item pointers. Slot 0 holds the highest valid slot index n; slots 1 to n + 1
// hold the pointers, so the array has room for n + 1 items. Index i addresses slot i + 1; an index below 0 or
// above n addresses nothing.

#include <cstdint>

namespace controls {

using PaneItemArray = std::intptr_t*;

// A new array with n = 0 and its one slot empty; null when memory runs out.
PaneItemArray CreatePaneItemArray();
void FreePaneItemArray(PaneItemArray array);

// n, the highest valid slot index.
int PaneItemArrayLimit(const std::intptr_t* array);

// Makes room for n + 1 items; new slots are empty. False (array unchanged) when memory runs out; a shrink that
// cannot give memory back keeps the larger block.
bool ResizePaneItemArray(PaneItemArray& array, int n);

// The pointer at an index, null outside 0 to n.
void* PaneItemAt(const std::intptr_t* array, int index);

// Inserts at index (0 <= index <= count) among count pointers, moving those from index upward one place.
// The array must have room for count + 1.
void InsertPaneItem(std::intptr_t* array, int count, int index, void* item);

// Removes the pointer at index (0 <= index < count) among count pointers, moving those above it down one place
// and emptying the freed slot.
void RemovePaneItemAt(std::intptr_t* array, int count, int index);

}  // namespace controls
