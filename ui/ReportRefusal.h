// Why a report cannot be used, as the window says it: in the user's
// language, in words for someone who saved the report from the window or
// received it, naming the line where there is one.
#ifndef ARDENTIX_UI_REPORTREFUSAL_H
#define ARDENTIX_UI_REPORTREFUSAL_H

#include "ReportProblem.h"

#include <QString>

namespace ReportRefusal {

// "Line 9: the last line has no line end: the report is cut off.", or the
// reason alone for the report as a whole.
QString Reason(const ReportProblem& problem);

// The message: the report's name, then the reason.
QString Message(const ReportProblem& problem);

} // namespace ReportRefusal

#endif
