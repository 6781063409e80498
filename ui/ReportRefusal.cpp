#include "ReportRefusal.h"

#include "PathText.h"

#include <QObject>

namespace {

QString What(const ReportProblem& p)
{
    using Code = ReportProblem::Code;
    switch (p.code) {
    case Code::None:
        break;
    case Code::CannotRead:
        return QObject::tr("The report cannot be read: %1.").arg(p.detail);
    case Code::NotRegularFile:
        return QObject::tr("This is not a file.");
    case Code::Empty:
        return QObject::tr("The report is empty.");
    case Code::NotOurs:
        return QObject::tr("This is not a report of this program: it is neither its JSON Lines nor its CSV.");
    case Code::CheckOutcome:
        return QObject::tr("This is the outcome of a custody check, not a report: its lines are no record of the "
                           "files as they were. Check against the report that was checked.");
    case Code::PdfTooLarge:
        return QObject::tr("The PDF is too large to be a report of this program.");
    case Code::PdfUnsupported:
        return QObject::tr("This version of the program cannot read the records of a PDF report. Check against "
                           "the CSV file saved beside the PDF.");
    case Code::PdfNoRecords:
        return QObject::tr("The PDF holds no records of this program.");
    case Code::PdfRecordsNotStream:
    case Code::PdfRecordsUnpack:
    case Code::PdfRecordsUnreadable:
        return QObject::tr("The records in the PDF cannot be read.");
    case Code::PdfUnreadable:
        return QObject::tr("The PDF cannot be read: it is damaged or not a PDF.");
    case Code::Changed:
        return QObject::tr("The report changed while it was checked. Check again.");
    case Code::LineTooLong:
        return QObject::tr("The line is longer than %1 bytes.").arg(p.count);
    case Code::CutOff:
    case Code::QuoteNotClosedCutOff:
        return QObject::tr("The report is cut off: its last line is incomplete.");
    case Code::NoPath:
        return QObject::tr("The entry has no path.");
    case Code::AuthenticWithReason:
        return QObject::tr("The entry is authentic, yet gives a reason for failure.");
    case Code::FailedWithoutReason:
        return QObject::tr("The entry failed, yet gives no reason.");
    case Code::BadResult:
        return QObject::tr("The result is neither authentic nor failed.");
    case Code::NoSha256:
        return QObject::tr("The entry has no SHA-256.");
    case Code::BadSha256:
        return QObject::tr("The SHA-256 is not 64 lower-case hexadecimal digits.");
    case Code::NotJson:
    case Code::NotJsonObject:
        return QObject::tr("The line is not a JSON object.");
    case Code::JsonNotOurs:
        return QObject::tr("The line is not an entry of this program's report: it lacks \"path\", \"result\" or "
                           "\"reason\".");
    case Code::JsonWithoutSha256:
    case Code::CsvWithoutSha256:
        return QObject::tr("The report has no SHA-256 of its files, so the files cannot be compared with it. "
                           "Reports saved by this window always have one.");
    case Code::Sha256NotText:
        return QObject::tr("The SHA-256 is not text.");
    case Code::FieldNotText:
        return QObject::tr("The field \"%1\" is not text.").arg(p.field);
    case Code::QuoteNotClosed:
        return QObject::tr("A quoted field is not closed.");
    case Code::TextAfterQuote:
        return QObject::tr("There is text after a closing quote.");
    case Code::QuoteInField:
        return QObject::tr("A field without quotes holds a quote or a line end.");
    case Code::FieldCount:
        return QObject::tr("The line has %1 fields where the header has %2.")
            .arg(QString::number(p.count), QString::number(p.expected));
    case Code::SizeNotNumber:
        return QObject::tr("The size is not a number.");
    case Code::NotUtf8:
        return QObject::tr("The line is not UTF-8 text.");
    }
    return QString();
}

} // namespace

namespace ReportRefusal {

QString Reason(const ReportProblem& problem)
{
    if (problem.line <= 0)
        return What(problem);
    return QObject::tr("Line %1: %2").arg(QString::number(problem.line), What(problem));
}

QString Message(const ReportProblem& problem)
{
    return QObject::tr("The report %1 cannot be used.").arg(PathText::ForPeople(PathText::ToNative(problem.report))) +
           QLatin1Char('\n') + Reason(problem);
}

} // namespace ReportRefusal
