#include "CliRun.h"

#include "WatermarkWriter.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QProcess>
#include <QRegularExpression>

#include <filesystem>
#include <system_error>

#ifndef ARDENTIX_VERIFY
#error "ARDENTIX_VERIFY must name the built ardentix-verify"
#endif

namespace clitest {

namespace {

Outcome Finish(QProcess& process, int timeoutMs)
{
    Outcome outcome;
    // Each way a run can go wrong other than by its exit status is named in
    // the test's log: a -1 alone does not tell them apart.
    if (!process.waitForStarted(timeoutMs)) {
        qWarning("%s did not start: %s", qPrintable(process.program()), qPrintable(process.errorString()));
        return outcome;
    }
    process.closeWriteChannel();
    outcome.finished = process.waitForFinished(timeoutMs);
    if (!outcome.finished) {
        qWarning("%s did not end within %d ms: killed", qPrintable(process.program()), timeoutMs);
        process.kill();
        process.waitForFinished(5000);
    }
    outcome.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    outcome.out = process.readAllStandardOutput();
    outcome.err = process.readAllStandardError();
    if (outcome.finished && process.exitStatus() != QProcess::NormalExit)
        qWarning("%s ended abnormally (status 0x%x, %s); its standard error: %s", qPrintable(process.program()),
                 static_cast<unsigned>(process.exitCode()), qPrintable(process.errorString()), outcome.err.constData());
    return outcome;
}

// The shell word that gives these exact bytes: $(printf '\ooo...x') with
// the x taken off again, so that trailing newlines survive the command
// substitution.
QByteArray ShellWord(const QByteArray& bytes)
{
    QByteArray format;
    for (const char ch : bytes)
        format += '\\' + QByteArray::number(static_cast<unsigned char>(ch), 8).rightJustified(3, '0');
    return "\"$(printf '" + format + "x')\"";
}

} // namespace

QString VerifierPath()
{
    return QStringLiteral(ARDENTIX_VERIFY);
}

Outcome Run(const QStringList& arguments, const QProcessEnvironment& environment, const QString& inputFile,
            int timeoutMs)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!inputFile.isEmpty())
        process.setStandardInputFile(inputFile);
    process.start(VerifierPath(), arguments);
    return Finish(process, timeoutMs);
}

Outcome RunRaw(const QList<QByteArray>& arguments, const QByteArray& folder, int timeoutMs)
{
    QByteArray script;
    if (!folder.isEmpty())
        script += "w=" + ShellWord(folder) + "; cd \"${w%x}\" || exit 125; ";
    QByteArray call = "exec \"$0\"";
    int index = 0;
    for (const QByteArray& argument : arguments) {
        const QByteArray name = "a" + QByteArray::number(index++);
        script += name + '=' + ShellWord(argument) + "; " + name + "=\"${" + name + "%x}\"; ";
        call += " \"$" + name + '"';
    }
    script += call;
    QProcess process;
    process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QString::fromLatin1(script), VerifierPath()});
    return Finish(process, timeoutMs);
}

Outcome RunShell(const QString& command, const QProcessEnvironment& environment, int timeoutMs)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
    return Finish(process, timeoutMs);
}

QList<QJsonObject> JsonLines(const QByteArray& text, QString* error)
{
    QList<QJsonObject> objects;
    if (!text.isEmpty() && !text.endsWith('\n')) {
        *error = QStringLiteral("the last line has no line end");
        return objects;
    }
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        QJsonParseError parse;
        const QJsonDocument document = QJsonDocument::fromJson(lines[i], &parse);
        if (parse.error != QJsonParseError::NoError || !document.isObject()) {
            *error = QStringLiteral("line %1 is not a JSON object: %2").arg(i + 1).arg(parse.errorString());
            return objects;
        }
        objects << document.object();
    }
    return objects;
}

QStringList JsonValues(const QByteArray& text, const QString& keys)
{
    QString error;
    QStringList values;
    for (const QJsonObject& o : JsonLines(text, &error)) {
        QStringList line;
        for (const QString& key : keys.split(QLatin1Char(' ')))
            line << o.value(key).toString();
        values << line.join(QLatin1Char(' '));
    }
    if (!error.isEmpty())
        values << QStringLiteral("<invalid: %1>").arg(error);
    return values;
}

QList<QStringList> CsvRecords(const QByteArray& bytes, QString* error)
{
    QList<QStringList> records;
    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() != bytes) {
        *error = QStringLiteral("not valid UTF-8");
        return records;
    }
    // A field, quoted or not, and the comma or CRLF after it.
    static const QRegularExpression field(QStringLiteral("\"((?:[^\"]|\"\")*)\"(,|\r\n)|([^\",\r\n]*)(,|\r\n)"));
    QStringList record;
    for (qsizetype at = 0; at < text.size();) {
        const QRegularExpressionMatch m =
            field.match(text, at, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
        const bool quoted = m.capturedStart(1) >= 0;
        const QString end = m.captured(quoted ? 2 : 4);
        if (!m.hasMatch() || (end == QLatin1String(",") && m.capturedEnd() == text.size())) {
            *error = QStringLiteral("no field ended by a comma or CRLF at %1").arg(at);
            return records;
        }
        record << (quoted ? m.captured(1).replace(QLatin1String("\"\""), QLatin1String("\"")) : m.captured(3));
        at = m.capturedEnd();
        if (end != QLatin1String(",")) {
            records << record;
            record.clear();
        }
    }
    return records;
}

ScratchDir::~ScratchDir()
{
    if (!m_dir.isValid())
        return;
    std::error_code error;
    std::filesystem::remove_all(std::filesystem::path(QFile::encodeName(m_dir.path()).toStdString()), error);
}

bool WriteBytes(const QByteArray& path, const std::string& bytes)
{
    return testsupport::WriteFile(path.toStdString(), bytes);
}

} // namespace clitest
