// What a Windows process writes when it ends abnormally: the exception, its
// address and the module the address falls in, on standard error, so that
// an abnormal exit seen by a user or a test run has a cause to go by.
#ifndef ARDENTIX_CORE_CRASHREPORT_H
#define ARDENTIX_CORE_CRASHREPORT_H

#include <QtGlobal>

#ifdef Q_OS_WIN
namespace CrashReport {

// Installs, for the whole process, a filter for exceptions that nothing
// handles, and handlers for abort() and std::terminate(). Each writes one
// line that begins with program (kept, not copied: a string literal) and
// ends the process with the exception's code, or 3 for an abort. They
// allocate nothing, so they work with a damaged heap.
void Install(const char* program);

} // namespace CrashReport
#endif

#endif
