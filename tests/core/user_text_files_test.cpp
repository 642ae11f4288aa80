#include "rules/user_text_files.h"
#include "table_rows.h"
#include "text_lines.h"

#include <QTest>

using namespace kx;
using namespace Qt::StringLiterals;

namespace {
QByteArray mainFile(const QStringList& languages, const QString& chosen)
{
    return crlf(QStringList{u"[AUSWAHL]"_s} + languages +
                QStringList{u"xxx"_s, u""_s, u"[SPRACHE]"_s, chosen});
}

const QStringList Shipped = {u"47-318-xx.ini"_s, u"Deutsch.ini"_s, u"English.ini"_s};

QByteArray languageFile(const QString& locale)
{
    return crlf({u"[MENUE]"_s, u"KX"_s, u""_s, u"[LOCALE]"_s, locale});
}
} // namespace

class UserTextFilesTest : public QObject
{
    Q_OBJECT
private slots:
    void refreshedCopy_data();
    void refreshedCopy();
    void languageForLocale_data();
    void languageForLocale();
};

void UserTextFilesTest::refreshedCopy_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("installed");
    QTest::addColumn<QByteArray>("copy"); // null: the user has none
    QTest::addColumn<bool>("installedChanged");
    QTest::addColumn<QStringList>("userFiles");
    QTest::addColumn<QByteArray>("expected"); // null: the copy stays
    QTest::addColumn<QString>("localeLanguage");

    const QByteArray two = mainFile({u"Deutsch"_s, u"English"_s}, u"Deutsch.ini"_s);
    const QByteArray three = mainFile({u"Deutsch"_s, u"English"_s, u"Latein"_s}, u"Deutsch.ini"_s);
    const QByteArray chosenEnglish = mainFile({u"Deutsch"_s, u"English"_s}, u"English.ini"_s);
    const QByteArray english = "[MENUE]\r\nKX\r\n";
    const QByteArray edited = "[MENUE]\r\nMy own words\r\n";

    QTest::newRow("first start: a copy of a language file")
        << "English.ini" << english << QByteArray() << true << Shipped << english << QString();
    QTest::newRow("first start: a copy of the main text file")
        << "47-318-xx.ini" << two << QByteArray() << true << Shipped << two << QString();
    QTest::newRow("same install: the chosen language stays")
        << "47-318-xx.ini" << two << chosenEnglish << false << Shipped << QByteArray() << QString();
    QTest::newRow("same install: the user's own words stay")
        << "English.ini" << english << edited << false << Shipped << QByteArray() << QString();
    QTest::newRow("upgrade: a newer language file replaces the copy")
        << "English.ini" << english << edited << true << Shipped << english << QString();
    QTest::newRow("upgrade: a newer main text file keeps the chosen language")
        << "47-318-xx.ini" << three << chosenEnglish << true << Shipped
        << mainFile({u"Deutsch"_s, u"English"_s, u"Latein"_s}, u"English.ini"_s) << QString();
    QTest::newRow("upgrade: a language of the user's own stays chosen")
        << u"47-318-xx.ini"_s << three << mainFile({u"Deutsch"_s, u"Eigen"_s}, u"Eigen.ini"_s)
        << true << Shipped + QStringList{u"Eigen.ini"_s}
        << mainFile({u"Deutsch"_s, u"English"_s, u"Latein"_s}, u"Eigen.ini"_s) << QString();
    QTest::newRow("upgrade: a chosen language whose file is gone gives way")
        << u"47-318-xx.ini"_s << three << mainFile({u"Deutsch"_s, u"Alt"_s}, u"Alt.ini"_s) << true
        << Shipped << three << QString();
    QTest::newRow("upgrade: a copy without [SPRACHE] gives way")
        << u"47-318-xx.ini"_s << three << crlf({u"[AUSWAHL]"_s, u"English"_s}) << true << Shipped
        << three << QString();
    QTest::newRow("upgrade: an installed file without [SPRACHE] stands as it is")
        << u"47-318-xx.ini"_s << crlf({u"[AUSWAHL]"_s, u"Deutsch"_s}) << chosenEnglish << true
        << Shipped << crlf({u"[AUSWAHL]"_s, u"Deutsch"_s}) << QString();
    // The other lines keep their installed bytes; the chosen name is written
    // in the installed file's code page, and the last line gets its CR LF.
    QTest::newRow("upgrade: bytes and code page of the installed file")
        << "47-318-xx.ini"
        << QByteArray("[AUSWAHL]\r\nFran\xe7"
                      "ais\r\n[SPRACHE]\r\nDeutsch.ini")
        << QByteArray("[SPRACHE]\r\nFran\xc3\xa7"
                      "ais.ini\r\n")
        << true << Shipped + QStringList{QStringLiteral("Fran\u00e7ais.ini")}
        << QByteArray("[AUSWAHL]\r\nFran\xe7"
                      "ais\r\n[SPRACHE]\r\nFran\xe7"
                      "ais.ini\r\n")
        << QString();

    // The first copy speaks the user's language; a copy made before keeps
    // what the user chose.
    row("first start: the main text file names the user's language", "47-318-xx.ini", two,
        QByteArray(), true, Shipped, chosenEnglish, "English.ini");
    row("first start: a language whose file is missing is not named", "47-318-xx.ini", two,
        QByteArray(), true, Shipped, two, "Latein.ini");
    row("same install: the user's choice stays whatever the locale", "47-318-xx.ini", two, two,
        false, Shipped, QByteArray(), "English.ini");
    row("upgrade: the user's choice stays whatever the locale", "47-318-xx.ini", three, two, true,
        Shipped, three, "English.ini");
}

void UserTextFilesTest::refreshedCopy()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, installed);
    QFETCH(QByteArray, copy);
    QFETCH(bool, installedChanged);
    QFETCH(QStringList, userFiles);
    QFETCH(QByteArray, expected);
    QFETCH(QString, localeLanguage);

    const std::optional<QByteArray> userCopy =
        copy.isNull() ? std::nullopt : std::optional<QByteArray>(copy);
    const std::optional<QByteArray> result =
        kx::refreshedCopy(name, installed, userCopy, installedChanged, userFiles, localeLanguage);
    QCOMPARE(result.has_value(), !expected.isNull());
    if (result)
        QCOMPARE(*result, expected);
}

void UserTextFilesTest::languageForLocale_data()
{
    QTest::addColumn<QStringList>("environment"); // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, const char* language, const char* all,
                        const char* messages, const char* lang, const char* expected) {
        kx::row(name, texts({language, all, messages, lang}), QString::fromLatin1(expected));
    };
    row("nothing set", "", "", "", "", "");
    row("LANG en_US.UTF-8", "", "", "", "en_US.UTF-8", "English.ini");
    row("LANG de_DE.UTF-8", "", "", "", "de_DE.UTF-8", "Deutsch.ini");
    row("LANG with a modifier", "", "", "", "de_AT@euro", "Deutsch.ini");
    row("LANG C.UTF-8", "", "", "", "C.UTF-8", "");
    row("a language not offered, though its file is there", "", "", "", "fr_FR.UTF-8", "");
    row("the locale's territory first", "", "", "", "pt_PT", "Portugues.ini");
    row("else the first of its language", "", "", "", "pt_AO.UTF-8", "Brasileiro.ini");
    row("LC_ALL before LANG", "", "de_DE.UTF-8", "", "en_US.UTF-8", "Deutsch.ini");
    row("LC_MESSAGES before LANG", "", "", "en_GB.UTF-8", "de_DE.UTF-8", "English.ini");
    row("LC_ALL C decides", "", "C", "", "en_US.UTF-8", "");
    row("LANGUAGE before all", "en:de", "de_DE.UTF-8", "", "", "English.ini");
    row("LANGUAGE: its first entry on offer", "fr:C:de_CH", "", "", "", "Deutsch.ini");
    row("LANGUAGE with nothing on offer decides", "fr", "", "", "en_US.UTF-8", "");
    row("LANGUAGE without entries does not", "::", "", "", "en_US.UTF-8", "English.ini");
}

void UserTextFilesTest::languageForLocale()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, expected);

    // Five on offer; French is there but not offered.
    const QByteArray main =
        mainFile({u"Deutsch"_s, u"English"_s, u"Latein"_s, u"Brasileiro"_s, u"Portugues"_s},
                 u"Deutsch.ini"_s);
    const QMap<QString, QByteArray> files = {{u"Deutsch.ini"_s, languageFile(u"de"_s)},
                                             {u"English.ini"_s, languageFile(u"en"_s)},
                                             {u"Latein.ini"_s, crlf({u"[MENUE]"_s, u"KX"_s})},
                                             {u"Brasileiro.ini"_s, languageFile(u"pt_BR"_s)},
                                             {u"Portugues.ini"_s, languageFile(u"pt-PT"_s)},
                                             {u"Francais.ini"_s, languageFile(u"fr"_s)}};
    const LocaleEnvironment locale{environment.at(0), environment.at(1), environment.at(2),
                                   environment.at(3)};
    QCOMPARE(kx::languageForLocale(main, files, locale), expected);
}

QTEST_GUILESS_MAIN(UserTextFilesTest)
#include "user_text_files_test.moc"
