// main() of the suites without widgets: every registered test class, or the
// one named with "-class".
#include "TestRegistry.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return testsupport::RunRegisteredTests(argc, argv);
}
