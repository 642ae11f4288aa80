#include "text_lines.h"
#include "rules/user_text_files.h"

#include <QTest>

using namespace kx;

namespace {
QByteArray mainFile(const QStringList& languages, const QString& chosen)
{
    return crlf(QStringList{"[AUSWAHL]"} + languages + QStringList{"xxx", "", "[SPRACHE]", chosen});
}

const QStringList Shipped = {"47-318-xx.ini", "Deutsch.ini", "English.ini"};

QByteArray languageFile(const QString& locale)
{
    return crlf({"[MENUE]", "KX", "", "[LOCALE]", locale});
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

    const QByteArray two = mainFile({"Deutsch", "English"}, "Deutsch.ini");
    const QByteArray three = mainFile({"Deutsch", "English", "Latein"}, "Deutsch.ini");
    const QByteArray chosenEnglish = mainFile({"Deutsch", "English"}, "English.ini");
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
        << mainFile({"Deutsch", "English", "Latein"}, "English.ini") << QString();
    QTest::newRow("upgrade: a language of the user's own stays chosen")
        << "47-318-xx.ini" << three << mainFile({"Deutsch", "Eigen"}, "Eigen.ini") << true
        << Shipped + QStringList{"Eigen.ini"}
        << mainFile({"Deutsch", "English", "Latein"}, "Eigen.ini") << QString();
    QTest::newRow("upgrade: a chosen language whose file is gone gives way")
        << "47-318-xx.ini" << three << mainFile({"Deutsch", "Alt"}, "Alt.ini") << true << Shipped
        << three << QString();
    QTest::newRow("upgrade: a copy without [SPRACHE] gives way")
        << "47-318-xx.ini" << three << crlf({"[AUSWAHL]", "English"}) << true << Shipped << three
        << QString();
    QTest::newRow("upgrade: an installed file without [SPRACHE] stands as it is")
        << "47-318-xx.ini" << crlf({"[AUSWAHL]", "Deutsch"}) << chosenEnglish << true << Shipped
        << crlf({"[AUSWAHL]", "Deutsch"}) << QString();
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
    QTest::newRow("first start: the main text file names the user's language")
        << "47-318-xx.ini" << two << QByteArray() << true << Shipped << chosenEnglish
        << "English.ini";
    QTest::newRow("first start: a language whose file is missing is not named")
        << "47-318-xx.ini" << two << QByteArray() << true << Shipped << two << "Latein.ini";
    QTest::newRow("same install: the user's choice stays whatever the locale")
        << "47-318-xx.ini" << two << two << false << Shipped << QByteArray() << "English.ini";
    QTest::newRow("upgrade: the user's choice stays whatever the locale")
        << "47-318-xx.ini" << three << two << true << Shipped << three << "English.ini";
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

    QTest::newRow("nothing set") << QStringList{"", "", "", ""} << "";
    QTest::newRow("LANG en_US.UTF-8") << QStringList{"", "", "", "en_US.UTF-8"} << "English.ini";
    QTest::newRow("LANG de_DE.UTF-8") << QStringList{"", "", "", "de_DE.UTF-8"} << "Deutsch.ini";
    QTest::newRow("LANG with a modifier") << QStringList{"", "", "", "de_AT@euro"} << "Deutsch.ini";
    QTest::newRow("LANG C.UTF-8") << QStringList{"", "", "", "C.UTF-8"} << "";
    QTest::newRow("a language not offered, though its file is there")
        << QStringList{"", "", "", "fr_FR.UTF-8"} << "";
    QTest::newRow("the locale's territory first")
        << QStringList{"", "", "", "pt_PT"} << "Portugues.ini";
    QTest::newRow("else the first of its language")
        << QStringList{"", "", "", "pt_AO.UTF-8"} << "Brasileiro.ini";
    QTest::newRow("LC_ALL before LANG")
        << QStringList{"", "de_DE.UTF-8", "", "en_US.UTF-8"} << "Deutsch.ini";
    QTest::newRow("LC_MESSAGES before LANG")
        << QStringList{"", "", "en_GB.UTF-8", "de_DE.UTF-8"} << "English.ini";
    QTest::newRow("LC_ALL C decides") << QStringList{"", "C", "", "en_US.UTF-8"} << "";
    QTest::newRow("LANGUAGE before all")
        << QStringList{"en:de", "de_DE.UTF-8", "", ""} << "English.ini";
    QTest::newRow("LANGUAGE: its first entry on offer")
        << QStringList{"fr:C:de_CH", "", "", ""} << "Deutsch.ini";
    QTest::newRow("LANGUAGE with nothing on offer decides")
        << QStringList{"fr", "", "", "en_US.UTF-8"} << "";
    QTest::newRow("LANGUAGE without entries does not")
        << QStringList{"::", "", "", "en_US.UTF-8"} << "English.ini";
}

void UserTextFilesTest::languageForLocale()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, expected);

    // Five on offer; French is there but not offered.
    const QByteArray main =
        mainFile({"Deutsch", "English", "Latein", "Brasileiro", "Portugues"}, "Deutsch.ini");
    const QMap<QString, QByteArray> files = {
        {"Deutsch.ini", languageFile("de")},      {"English.ini", languageFile("en")},
        {"Latein.ini", crlf({"[MENUE]", "KX"})},  {"Brasileiro.ini", languageFile("pt_BR")},
        {"Portugues.ini", languageFile("pt-PT")}, {"Francais.ini", languageFile("fr")}};
    const LocaleEnvironment locale{environment.at(0), environment.at(1), environment.at(2),
                                   environment.at(3)};
    QCOMPARE(kx::languageForLocale(main, files, locale), expected);
}

QTEST_GUILESS_MAIN(UserTextFilesTest)
#include "user_text_files_test.moc"
