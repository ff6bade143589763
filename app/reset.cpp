// Putting every record of the program back to its start-up state, so that a
// test can run the program from its entry more than once in one process. The
// records are listed where each is defined (runtime/state_records.h).
#include "app/program.h"
#include "runtime/state_records.h"

void ResetProgram() { ResetStateRecords(); }
