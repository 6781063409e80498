// Why a saved report cannot be used for a re-check: a code, the line it
// concerns, and what its text needs (a field's name, numbers, the system's
// own words). Core gives only this; each front end words it for its users:
// the verifier in its English, the window in the user's language.
#ifndef ARDENTIX_CORE_REPORTPROBLEM_H
#define ARDENTIX_CORE_REPORTPROBLEM_H

#include <QString>
#include <QtGlobal>

struct ReportProblem
{
    enum class Code
    {
        None,
        // The report as a whole.
        CannotRead, // detail: the system's reason
        NotRegularFile,
        Empty,
        NotOurs,      // neither JSON Lines nor the report's CSV
        CheckOutcome, // the outcome of a re-check, not a report
        PdfTooLarge,
        PdfUnsupported, // this build cannot read records from a PDF
        PdfNoRecords,
        PdfRecordsNotStream,
        PdfRecordsUnpack,
        PdfUnreadable, // detail: the PDF library's reason
        PdfRecordsUnreadable,
        Changed, // the report changed while it was checked
        // A line.
        LineTooLong, // count: the longest line allowed
        CutOff,
        NoPath,
        AuthenticWithReason,
        FailedWithoutReason,
        BadResult,
        NoSha256,
        BadSha256,
        NotJson, // detail: the JSON parser's reason
        NotJsonObject,
        JsonNotOurs,
        JsonWithoutSha256,
        Sha256NotText,
        FieldNotText, // field: the JSON key
        CsvWithoutSha256,
        QuoteNotClosedCutOff,
        QuoteNotClosed,
        TextAfterQuote,
        QuoteInField,
        FieldCount, // count: the record's fields, expected: the header's
        SizeNotNumber,
        NotUtf8
    };

    Code code = Code::None;
    // The report as people read its path.
    QString report;
    // The line (1 is the first); 0 for the report as a whole.
    qint64 line = 0;
    QString field;
    QString detail;
    qint64 count = 0;
    qint64 expected = 0;

    bool IsProblem() const { return code != Code::None; }
};

#endif
