// What ties a report to its case: the case or reference number, the
// examiner, the organisation and a note, all optional. The PDF reports show
// them in their header and document information; CSV and JSON Lines stay
// per-file records without them.
//
// The examiner, the organisation and whether the report shows pictures are
// kept in the per-user settings; the case and the note live as long as the
// window.
#ifndef ARDENTIX_UI_CASEDETAILS_H
#define ARDENTIX_UI_CASEDETAILS_H

#include <QByteArray>
#include <QString>
#include <QStringList>

struct CaseDetails
{
    QString caseNumber;
    QString examiner;
    QString organisation;
    QString note;
    // Each file's details page shows its picture. Not a detail of the case
    // (it is neither printed nor embedded as one): some labs must not print
    // images of victims, and leave them out.
    bool pictures = true;

    bool IsEmpty() const;

    // "Case 2026-117; examiner J. Doe; Organisation": the document's subject.
    QString Subject() const;
    // The case number, examiner and organisation that are given: the
    // document's keywords, which file managers search.
    QStringList Keywords() const;

    // Each given field as (label, value), in the order of the header.
    QList<QPair<QString, QString>> Labelled() const;

    // As the JSON object that a PDF report carries, so that a re-check of
    // it can name the same case; empty when no field is given.
    QByteArray ToJson() const;
    // The case from such an object; false when it is none.
    static bool FromJson(const QByteArray& json, CaseDetails* details);

    // The examiner, organisation and pictures from the settings, the rest
    // as given.
    static CaseDetails WithStored(const CaseDetails& session);
    // Keeps the examiner, organisation and pictures in the settings.
    void Store() const;
};

#endif
