#include "CliRun.h"

#include "WatermarkWriter.h"

#include <QCryptographicHash>
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
    if (!process.waitForStarted(timeoutMs))
        return outcome;
    process.closeWriteChannel();
    outcome.finished = process.waitForFinished(timeoutMs);
    if (!outcome.finished) {
        process.kill();
        process.waitForFinished(5000);
    }
    outcome.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    outcome.out = process.readAllStandardOutput();
    outcome.err = process.readAllStandardError();
    return outcome;
}

} // namespace

QString VerifierPath()
{
    return QStringLiteral(ARDENTIX_VERIFY);
}

Outcome Run(const QStringList& arguments, int timeoutMs)
{
    QProcess process;
    process.start(VerifierPath(), arguments);
    return Finish(process, timeoutMs);
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

QByteArray ShellWord(const QByteArray& bytes)
{
    // $(printf '\ooo...x') with the x taken off again, so that trailing
    // newlines survive the command substitution.
    QByteArray format;
    for (const char ch : bytes)
        format += '\\' + QByteArray::number(static_cast<unsigned char>(ch), 8).rightJustified(3, '0');
    return "\"$(printf '" + format + "x')\"";
}

Outcome RunRaw(const QList<QByteArray>& arguments, int timeoutMs)
{
    QByteArray script;
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

QByteArray Shown(const QByteArray& expected)
{
#ifdef Q_OS_WIN
    static const QRegularExpression escape(QStringLiteral("\\\\{1,2}x([89A-F][0-9A-F])"));
    QString text = QString::fromUtf8(expected);
    // A byte that is no character of its own there (half of a double-byte
    // one) stays escaped.
    for (QRegularExpressionMatch m = escape.match(text); m.hasMatch();) {
        const QByteArray byte(1, char(m.captured(1).toInt(nullptr, 16)));
        const QString shown = QString::fromLocal8Bit(byte);
        qsizetype next = m.capturedEnd();
        if (shown.toLocal8Bit() == byte) {
            text.replace(m.capturedStart(), m.capturedLength(), shown);
            next = m.capturedStart() + shown.size();
        }
        m = escape.match(text, next);
    }
    return text.toUtf8();
#else
    return expected;
#endif
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

QStringList JsonValues(const QByteArray& text, const QString& key)
{
    QString error;
    QStringList values;
    for (const QJsonObject& o : JsonLines(text, &error))
        values << o.value(key).toString();
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
    QStringList record;
    qsizetype at = 0;
    const qsizetype n = text.size();
    while (at < n) {
        QString field;
        if (text[at] == QLatin1Char('"')) {
            ++at;
            for (;;) {
                if (at >= n) {
                    *error = QStringLiteral("unterminated quoted field");
                    return records;
                }
                if (text[at] == QLatin1Char('"')) {
                    if (at + 1 < n && text[at + 1] == QLatin1Char('"')) {
                        field += QLatin1Char('"');
                        at += 2;
                        continue;
                    }
                    ++at;
                    break;
                }
                field += text[at++];
            }
        } else {
            while (at < n && text[at] != QLatin1Char(',') && text[at] != QLatin1Char('\r')) {
                if (text[at] == QLatin1Char('"') || text[at] == QLatin1Char('\n')) {
                    *error = QStringLiteral("quote or LF in an unquoted field at %1").arg(at);
                    return records;
                }
                field += text[at++];
            }
        }
        record << field;
        if (at < n && text[at] == QLatin1Char(',')) {
            ++at;
            if (at == n) {
                *error = QStringLiteral("the last record has no line end");
                return records;
            }
            continue;
        }
        if (at + 1 < n && text[at] == QLatin1Char('\r') && text[at + 1] == QLatin1Char('\n')) {
            at += 2;
            records << record;
            record.clear();
            continue;
        }
        *error = QStringLiteral("a field is followed by neither a comma nor CRLF at %1").arg(at);
        return records;
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

QString Sha256Hex(const std::string& bytes)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(QByteArray::fromStdString(bytes), QCryptographicHash::Sha256).toHex());
}

QString Latin1(const std::string& text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace clitest
