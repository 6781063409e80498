#include "TestRegistry.h"

#include <QCoreApplication>

ARDENTIX_TEST_MAIN(QCoreApplication)
