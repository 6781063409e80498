// Runs several Qt Test classes from one executable.
//
// Each test source registers its class with ARDENTIX_REGISTER_TEST; the
// folder's executable (TestMain.cpp, GuiTestMain.cpp) runs every registered
// class and fails when any of them failed. "-class Name" runs one class.
#ifndef ARDENTIX_TESTS_TESTREGISTRY_H
#define ARDENTIX_TESTS_TESTREGISTRY_H

#include <QtTest/QtTest>

#include <functional>
#include <memory>
#include <vector>

namespace testsupport {

struct RegisteredTest
{
    const char* name;
    std::function<QObject*()> make;
};

inline std::vector<RegisteredTest>& Registry()
{
    static std::vector<RegisteredTest> tests;
    return tests;
}

struct Registrar
{
    Registrar(const char* name, std::function<QObject*()> make) { Registry().push_back({name, std::move(make)}); }
};

inline int RunRegisteredTests(int argc, char** argv)
{
    QStringList args;
    QString only;
    for (int i = 0; i < argc; ++i) {
        if (QString::fromLocal8Bit(argv[i]) == QLatin1String("-class") && i + 1 < argc) {
            only = QString::fromLocal8Bit(argv[++i]);
            continue;
        }
        args << QString::fromLocal8Bit(argv[i]);
    }
    int failed = 0;
    for (const RegisteredTest& test : Registry()) {
        if (!only.isEmpty() && only != QLatin1String(test.name))
            continue;
        std::unique_ptr<QObject> object(test.make());
        failed += QTest::qExec(object.get(), args) != 0 ? 1 : 0;
    }
    return failed == 0 ? 0 : 1;
}

} // namespace testsupport

// Opens a test function that writes large exports: the "quick" ctest
// label skips it (ARDENTIX_SKIP_SLOW), the "slow" label runs it alone.
#define ARDENTIX_SLOW_TEST()                                                                                           \
    do {                                                                                                               \
        if (qEnvironmentVariableIsSet("ARDENTIX_SKIP_SLOW"))                                                           \
            QSKIP("large exports: run with the ctest label 'slow'");                                                   \
    } while (false)

#define ARDENTIX_REGISTER_TEST(Class)                                                                                  \
    static testsupport::Registrar registrar_##Class(#Class, [] { return static_cast<QObject*>(new Class); });

#endif
