#include "ReportErrorText.h"

#include "PdfRecords.h"

namespace {

QString S(const char* text)
{
    return QString::fromLatin1(text);
}

QString What(const ReportProblem& p)
{
    using Code = ReportProblem::Code;
    switch (p.code) {
    case Code::None:
        break;
    case Code::CannotRead:
        return S("cannot be read: %1").arg(p.detail);
    case Code::NotRegularFile:
        return S("not a regular file");
    case Code::Empty:
        return S("the report is empty");
    case Code::NotOurs:
        return S("not a report of ardentix-verify: neither JSON Lines nor its CSV, whose header starts "
                 "\"path,result,reason,\"");
    case Code::CheckOutcome:
        return S("the outcome of a re-check (--check), not a report: its lines are no custody record; "
                 "check against the report that was checked");
    case Code::PdfTooLarge:
        return S("the PDF is too large to be a report of this program");
    case Code::PdfUnsupported:
        return S("this build cannot read PDF reports: check against the CSV saved beside the PDF");
    case Code::PdfNoRecords:
        return S("the PDF holds no records of this program (no embedded %1)").arg(S(PdfRecords::AttachmentName));
    case Code::PdfRecordsNotStream:
        return S("the PDF's embedded records are not a stream");
    case Code::PdfRecordsUnpack:
        return S("the PDF's embedded records cannot be unpacked");
    case Code::PdfUnreadable:
        return S("not a readable PDF: %1").arg(p.detail);
    case Code::PdfRecordsUnreadable:
        return S("the PDF's records cannot be read");
    case Code::Changed:
        return S("the report changed while it was checked: check again");
    case Code::LineTooLong:
        return S("the line is longer than %1 bytes").arg(p.count);
    case Code::CutOff:
        return S("the last line has no line end: the report is cut off");
    case Code::NoPath:
        return S("the entry has no path");
    case Code::AuthenticWithReason:
        return S("an authentic entry with a reason");
    case Code::FailedWithoutReason:
        return S("a failed entry without a reason");
    case Code::BadResult:
        return S("the result is neither authentic nor failed");
    case Code::NoSha256:
        return S("the entry has no SHA-256");
    case Code::BadSha256:
        return S("the SHA-256 is not 64 lower-case hexadecimal digits");
    case Code::NotJson:
        return S("not JSON: %1").arg(p.detail);
    case Code::NotJsonObject:
        return S("not a JSON object");
    case Code::JsonNotOurs:
        return S("not a report of ardentix-verify: no \"path\", \"result\" and \"reason\"");
    case Code::JsonWithoutSha256:
        return S("the entry has no SHA-256: the report was written without --sha256");
    case Code::Sha256NotText:
        return S("the SHA-256 is not text");
    case Code::FieldNotText:
        return S("\"%1\" is not text").arg(p.field);
    case Code::CsvWithoutSha256:
        return S("the report has no sha256 column: it was written without --sha256");
    case Code::QuoteNotClosedCutOff:
        return S("a quoted field is not closed: the report is cut off");
    case Code::QuoteNotClosed:
        return S("a quoted field is not closed");
    case Code::TextAfterQuote:
        return S("text after a closing quote");
    case Code::QuoteInField:
        return S("a quote or a line end in a field without quotes");
    case Code::FieldCount:
        return S("%1 fields where the header has %2").arg(p.count).arg(p.expected);
    case Code::SizeNotNumber:
        return S("the size is not a number");
    case Code::NotUtf8:
        return S("not UTF-8 text");
    }
    return QString();
}

} // namespace

QString ReportErrorText(const ReportProblem& problem)
{
    return problem.line > 0 ? S("%1:%2: %3").arg(problem.report, QString::number(problem.line), What(problem))
                            : S("%1: %2").arg(problem.report, What(problem));
}
