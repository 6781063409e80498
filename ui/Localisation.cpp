#include "Localisation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QList>
#include <QLocale>
#include <QMessageBox>
#include <QPair>
#include <QRegularExpression>
#include <QTranslator>

QString LanguageCodeForLocale(const QString& localeName)
{
    // Ordered by the keys, so that a key comes before every longer key that
    // begins with it. Qt names Norwegian nb or nn whatever the system calls
    // it, and Traditional Chinese is written in Hong Kong and Macao as well
    // as in Taiwan.
    const QList<QPair<QString, QString>> table = {
        {"cs", "csy"}, {"da", "dan"},    {"de", "ger"},    {"en", "enu"},    {"es", "spn"},
        {"fr", "fre"}, {"hu", "hun"},    {"it", "ita"},    {"ja", "jpn"},    {"ko", "krn"},
        {"nb", "nor"}, {"nl", "nld"},    {"nn", "nor"},    {"no", "nor"},    {"pl", "plk"},
        {"pt", "ptg"}, {"pt_BR", "ptb"}, {"ru", "rus"},    {"sv", "sve"},    {"tr", "trk"},
        {"zh", "chs"}, {"zh_CN", "chs"}, {"zh_HK", "cht"}, {"zh_MO", "cht"}, {"zh_TW", "cht"},
    };
    for (const auto& entry : table) {
        if (localeName == entry.first)
            return entry.second;
    }
    for (const auto& entry : table) {
        if (localeName.startsWith(entry.first, Qt::CaseSensitive))
            return entry.second;
    }
    return QStringLiteral("enu");
}

QStringList QtLocaleNamesForLanguage(const QString& code)
{
    static const QList<QPair<QString, QStringList>> table = {
        {"chs", {"zh_CN"}},    {"cht", {"zh_TW"}}, {"csy", {"cs"}},    {"dan", {"da"}},
        {"enu", {"en"}},       {"fre", {"fr"}},    {"ger", {"de"}},    {"hun", {"hu"}},
        {"ita", {"it"}},       {"jpn", {"ja"}},    {"krn", {"ko"}},    {"nld", {"nl"}},
        {"nor", {"nb", "nn"}}, {"plk", {"pl"}},    {"ptb", {"pt_BR"}}, {"ptg", {"pt_PT", "pt", "pt_BR"}},
        {"rus", {"ru"}},       {"spn", {"es"}},    {"sve", {"sv"}},    {"trk", {"tr"}},
    };
    for (const auto& entry : table) {
        if (entry.first == code)
            return entry.second;
    }
    return {};
}

QString& LocalisationSeams::CataloguePrefix()
{
    static QString prefix = QStringLiteral(":/translations/");
    return prefix;
}

std::function<void(const QString&)>& LocalisationSeams::MessageHandler()
{
    static std::function<void(const QString&)> handler;
    return handler;
}

bool InstallTranslators(QTranslator& program, QTranslator& qt)
{
    const QString code = LanguageCodeForLocale(QLocale::system().name());
    (void)program.load(LocalisationSeams::CataloguePrefix() + code, QString(), QString(), QString());
    const bool loaded = !program.isEmpty();
    QCoreApplication::installTranslator(&program);

    // Qt's own texts (standard buttons, file dialogs) in the same language,
    // where Qt has a catalogue for it; otherwise they stay in English.
    for (const QString& name : QtLocaleNamesForLanguage(code)) {
        if (qt.load(QStringLiteral("qtbase_") + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(&qt);
            break;
        }
    }
    return loaded;
}

QString DialogFilter(const QString& translated, const QString& given)
{
    QString filter = translated;
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("\\(([^()]*)\\)\\s*$")).match(filter);
    if (match.hasMatch()) {
        QString patterns = given.isEmpty() ? match.captured(1) : given;
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filter.replace(match.capturedStart(1), match.capturedLength(1), patterns);
    }
    return filter;
}

void ShowWarning(QWidget* parent, const QString& title, const QString& text)
{
    if (LocalisationSeams::MessageHandler()) {
        LocalisationSeams::MessageHandler()(text);
        return;
    }
    QMessageBox::warning(parent, title, text);
}

void ShowInformation(const QString& text)
{
    if (LocalisationSeams::MessageHandler()) {
        LocalisationSeams::MessageHandler()(text);
        return;
    }
    QMessageBox box(QMessageBox::Information, QString(), text, QMessageBox::Ok, nullptr);
    box.exec();
}
