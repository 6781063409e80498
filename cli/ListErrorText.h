// Why a --files-from list cannot be used, as the verifier says it on stderr.
#ifndef ARDENTIX_CLI_LISTERRORTEXT_H
#define ARDENTIX_CLI_LISTERRORTEXT_H

#include "FileList.h"

#include <QString>

QString ListErrorText(const ListProblem& problem);

#endif
