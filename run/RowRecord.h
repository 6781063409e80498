// A verified file as the window keeps it: the whole result, and when it was
// verified.
#ifndef ARDENTIX_RUN_ROWRECORD_H
#define ARDENTIX_RUN_ROWRECORD_H

#include "FileResult.h"

#include <QDateTime>
#include <QMetaType>

struct RowRecord
{
    FileResult result;
    QDateTime verifiedAt; // UTC
};
Q_DECLARE_METATYPE(RowRecord)

#endif
