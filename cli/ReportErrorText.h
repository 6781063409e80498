// Why a report cannot be used, as the verifier says it on stderr:
// "REPORT:LINE: what is wrong", or "REPORT: what is wrong".
#ifndef ARDENTIX_CLI_REPORTERRORTEXT_H
#define ARDENTIX_CLI_REPORTERRORTEXT_H

#include "ReportProblem.h"

#include <QString>

QString ReportErrorText(const ReportProblem& problem);

#endif
