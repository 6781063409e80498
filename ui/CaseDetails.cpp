#include "CaseDetails.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>

namespace {

// The same store as the window's position and size.
QSettings SettingsStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quorvane Inc."),
                     QStringLiteral("Quorvane Ardentix"));
}

} // namespace

bool CaseDetails::IsEmpty() const
{
    return caseNumber.trimmed().isEmpty() && examiner.trimmed().isEmpty() && organisation.trimmed().isEmpty() &&
           note.trimmed().isEmpty();
}

QString CaseDetails::Subject() const
{
    QStringList parts;
    if (!caseNumber.trimmed().isEmpty())
        parts << QObject::tr("Case %1").arg(caseNumber.trimmed());
    if (!examiner.trimmed().isEmpty())
        parts << QObject::tr("examiner %1").arg(examiner.trimmed());
    if (!organisation.trimmed().isEmpty())
        parts << organisation.trimmed();
    return parts.join(QStringLiteral("; "));
}

QStringList CaseDetails::Keywords() const
{
    QStringList words;
    for (const QString& field : {caseNumber, examiner, organisation}) {
        if (!field.trimmed().isEmpty())
            words << field.trimmed();
    }
    return words;
}

QList<QPair<QString, QString>> CaseDetails::Labelled() const
{
    QList<QPair<QString, QString>> fields;
    const auto add = [&fields](const QString& label, const QString& value) {
        if (!value.trimmed().isEmpty())
            fields.append({label, value.trimmed()});
    };
    add(QObject::tr("Case or reference number"), caseNumber);
    add(QObject::tr("Examiner"), examiner);
    add(QObject::tr("Organisation"), organisation);
    add(QObject::tr("Note"), note);
    return fields;
}

namespace {

// The keys of the case's JSON object, in the order of the fields.
const char* const kCaseKeys[] = {"case", "examiner", "organisation", "note"};

} // namespace

QByteArray CaseDetails::ToJson() const
{
    if (IsEmpty())
        return QByteArray();
    QJsonObject object;
    const QString* fields[] = {&caseNumber, &examiner, &organisation, &note};
    for (std::size_t i = 0; i < std::size(kCaseKeys); ++i)
        object.insert(QLatin1String(kCaseKeys[i]), fields[i]->trimmed());
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

bool CaseDetails::FromJson(const QByteArray& json, CaseDetails* details)
{
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject())
        return false;
    CaseDetails read;
    QString* fields[] = {&read.caseNumber, &read.examiner, &read.organisation, &read.note};
    for (std::size_t i = 0; i < std::size(kCaseKeys); ++i)
        *fields[i] = document.object().value(QLatin1String(kCaseKeys[i])).toString().trimmed();
    if (read.IsEmpty())
        return false;
    *details = read;
    return true;
}

CaseDetails CaseDetails::WithStored(const CaseDetails& session)
{
    const QSettings settings = SettingsStore();
    CaseDetails details = session;
    details.examiner = settings.value(QStringLiteral("Examiner"), session.examiner).toString();
    details.organisation = settings.value(QStringLiteral("Organisation"), session.organisation).toString();
    details.pictures = settings.value(QStringLiteral("ReportPictures"), session.pictures).toBool();
    return details;
}

void CaseDetails::Store() const
{
    QSettings settings = SettingsStore();
    settings.setValue(QStringLiteral("Examiner"), examiner.trimmed());
    settings.setValue(QStringLiteral("Organisation"), organisation.trimmed());
    settings.setValue(QStringLiteral("ReportPictures"), pictures);
}
