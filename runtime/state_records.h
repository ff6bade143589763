// The program's state records, each listed beside its own definition with the
// way it goes back to its start-up value. A reset of the program walks the
// list, so a new record that is listed where it is defined can never leak from
// one run of the program into the next in the same process.
#pragma once

#include <cstddef>

struct StateRecord {
  template <typename Record>
  StateRecord(const char* name, Record& record, void (*reset)())
      : StateRecord(name, &record, sizeof record, reset) {}
  StateRecord(const char* name, void* address, std::size_t size, void (*reset)());

  const char* name;
  void* address;
  std::size_t size;
  void (*reset)();
  const StateRecord* next;
};

// Puts every listed record back to its start-up value.
void ResetStateRecords();
// The list, for walking it: the first record, the rest through next.
const StateRecord* FirstStateRecord();
