#include "ReportErrorText.h"

#include "PdfRecords.h"

namespace {

QString S(const char* text)
{
    return QString::fromLatin1(text);
}

// The texts that name nothing but the problem.
struct Plain
{
    ReportProblem::Code code;
    const char* text;
};
const Plain kPlain[] = {
    {ReportProblem::Code::NotOurs,
     "not a report of ardentix-verify: neither JSON Lines nor its CSV, whose header starts "
     "\"path,result,reason,\""},
    {ReportProblem::Code::JsonNotOurs, "not a report of ardentix-verify: no \"path\", \"result\" and \"reason\""},
    {ReportProblem::Code::NotRegularFile, "not a regular file"},
    {ReportProblem::Code::Empty, "the report is empty"},
    {ReportProblem::Code::CheckOutcome,
     "the outcome of a re-check (--check), not a report: its lines are no custody record; "
     "check against the report that was checked"},
    {ReportProblem::Code::PdfTooLarge, "the PDF is too large to be a report of this program"},
    {ReportProblem::Code::PdfUnsupported,
     "this build cannot read PDF reports: check against the CSV saved beside the PDF"},
    {ReportProblem::Code::PdfRecordsNotStream, "the PDF's embedded records are not a stream"},
    {ReportProblem::Code::PdfRecordsUnpack, "the PDF's embedded records cannot be unpacked"},
    {ReportProblem::Code::PdfRecordsUnreadable, "the PDF's records cannot be read"},
    {ReportProblem::Code::Changed, "the report changed while it was checked: check again"},
    {ReportProblem::Code::CutOff, "the last line has no line end: the report is cut off"},
    {ReportProblem::Code::NoPath, "the entry has no path"},
    {ReportProblem::Code::AuthenticWithReason, "an authentic entry with a reason"},
    {ReportProblem::Code::FailedWithoutReason, "a failed entry without a reason"},
    {ReportProblem::Code::BadResult, "the result is neither authentic nor failed"},
    {ReportProblem::Code::NoSha256, "the entry has no SHA-256"},
    {ReportProblem::Code::BadSha256, "the SHA-256 is not 64 lower-case hexadecimal digits"},
    {ReportProblem::Code::NotJsonObject, "not a JSON object"},
    {ReportProblem::Code::JsonWithoutSha256, "the entry has no SHA-256: the report was written without --sha256"},
    {ReportProblem::Code::Sha256NotText, "the SHA-256 is not text"},
    {ReportProblem::Code::CsvWithoutSha256, "the report has no sha256 column: it was written without --sha256"},
    {ReportProblem::Code::QuoteNotClosedCutOff, "a quoted field is not closed: the report is cut off"},
    {ReportProblem::Code::QuoteNotClosed, "a quoted field is not closed"},
    {ReportProblem::Code::TextAfterQuote, "text after a closing quote"},
    {ReportProblem::Code::QuoteInField, "a quote or a line end in a field without quotes"},
    {ReportProblem::Code::SizeNotNumber, "the size is not a number"},
    {ReportProblem::Code::NotUtf8, "not UTF-8 text"},
};

// Why the report cannot be used, in the verifier's own English.
QString What(const ReportProblem& p)
{
    using Code = ReportProblem::Code;
    for (const Plain& plain : kPlain) {
        if (plain.code == p.code)
            return S(plain.text);
    }
    switch (p.code) {
    case Code::CannotRead:
        return S("cannot be read: %1").arg(p.detail);
    case Code::PdfNoRecords:
        return S("the PDF holds no records of this program (no embedded %1)").arg(S(PdfRecords::AttachmentName));
    case Code::PdfUnreadable:
        return S("not a readable PDF: %1").arg(p.detail);
    case Code::LineTooLong:
        return S("the line is longer than %1 bytes").arg(p.count);
    case Code::NotJson:
        return S("not JSON: %1").arg(p.detail);
    case Code::FieldCount:
        return S("%1 fields where the header has %2").arg(p.count).arg(p.expected);
    case Code::FieldNotText:
        return S("\"%1\" is not text").arg(p.field);
    default:
        return QString();
    }
}

} // namespace

QString ReportErrorText(const ReportProblem& problem)
{
    return problem.line > 0 ? S("%1:%2: %3").arg(problem.report, QString::number(problem.line), What(problem))
                            : S("%1: %2").arg(problem.report, What(problem));
}
