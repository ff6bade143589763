// The status record handed to the platform: the last event reported here,
// the rest filled by the source the top of the program names.
#include "runtime/status_events.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "runtime/state_records.h"

namespace {

struct StatusRecord {
  OsStatus status;
  char prompt[sizeof status.prompt];
  void (*fill)(OsStatus& status);
};

StatusRecord Status;
StateRecord Listed{"Status", Status, [] { Status = {}; }};

}  // namespace

void ReportEvent(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(Status.status.event, sizeof Status.status.event, format, arguments);
  va_end(arguments);
  ++Status.status.eventNumber;
}

std::uint32_t EventsReported() { return Status.status.eventNumber; }

void ShowStatusPrompt(const char* text) {
  std::snprintf(Status.prompt, sizeof Status.prompt, "%s", text);
}

void SetStatusSource(void (*fill)(OsStatus& status)) { Status.fill = fill; }

void HandStatusDown() {
  std::memcpy(Status.status.prompt, Status.prompt, sizeof Status.prompt);
  if (Status.fill != nullptr) Status.fill(Status.status);
  OsShowStatus(Status.status);
}
