#include "ListErrorText.h"

QString ListErrorText(const ListProblem& problem)
{
    const QString list = problem.standardInput ? QStringLiteral("standard input") : problem.list;
    switch (problem.code) {
    case ListProblem::Code::None:
        break;
    case ListProblem::Code::CannotRead:
        return QStringLiteral("cannot read the list %1: %2").arg(list, problem.detail);
    case ListProblem::Code::EmptyEntry:
        return QStringLiteral("entry %1 of the list %2 is empty: every entry must name a path")
            .arg(problem.entry)
            .arg(list);
    case ListProblem::Code::NulInLine:
        return QStringLiteral("line %1 of the list %2 holds a NUL byte: for a NUL-separated list give -0")
            .arg(problem.entry)
            .arg(list);
    }
    return QString();
}
