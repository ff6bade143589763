// The list of state records, built as the process starts.
#include "runtime/state_records.h"

namespace {

constinit const StateRecord* First = nullptr;

}  // namespace

StateRecord::StateRecord(const char* name, void* address, std::size_t size, void (*reset)())
    : name(name), address(address), size(size), reset(reset), next(First) {
  First = this;
}

void ResetStateRecords() {
  for (const StateRecord* record = First; record != nullptr; record = record->next) record->reset();
}

const StateRecord* FirstStateRecord() { return First; }
