#include "text_lines.h"
#include "rules/user_text_files.h"

#include <QtTest>

using namespace kx;

namespace {
QByteArray mainFile(const QStringList& languages, const QString& chosen)
{
    return crlf(QStringList{"[AUSWAHL]"} + languages + QStringList{"xxx", "", "[SPRACHE]", chosen});
}

const QStringList Shipped = {"47-318-xx.ini", "Deutsch.ini", "English.ini"};
} // namespace

class UserTextFilesTest : public QObject
{
    Q_OBJECT
private slots:
    void refreshedCopy_data();
    void refreshedCopy();
};

void UserTextFilesTest::refreshedCopy_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("installed");
    QTest::addColumn<QByteArray>("copy"); // null: the user has none
    QTest::addColumn<bool>("installedChanged");
    QTest::addColumn<QStringList>("userFiles");
    QTest::addColumn<QByteArray>("expected"); // null: the copy stays

    const QByteArray two = mainFile({"Deutsch", "English"}, "Deutsch.ini");
    const QByteArray three = mainFile({"Deutsch", "English", "Latein"}, "Deutsch.ini");
    const QByteArray chosenEnglish = mainFile({"Deutsch", "English"}, "English.ini");
    const QByteArray english = "[MENUE]\r\nKX\r\n";
    const QByteArray edited = "[MENUE]\r\nMy own words\r\n";

    QTest::newRow("first start: a copy of a language file")
        << "English.ini" << english << QByteArray() << true << Shipped << english;
    QTest::newRow("first start: a copy of the main text file")
        << "47-318-xx.ini" << two << QByteArray() << true << Shipped << two;
    QTest::newRow("same install: the chosen language stays")
        << "47-318-xx.ini" << two << chosenEnglish << false << Shipped << QByteArray();
    QTest::newRow("same install: the user's own words stay")
        << "English.ini" << english << edited << false << Shipped << QByteArray();
    QTest::newRow("upgrade: a newer language file replaces the copy")
        << "English.ini" << english << edited << true << Shipped << english;
    QTest::newRow("upgrade: a newer main text file keeps the chosen language")
        << "47-318-xx.ini" << three << chosenEnglish << true << Shipped
        << mainFile({"Deutsch", "English", "Latein"}, "English.ini");
    QTest::newRow("upgrade: a language of the user's own stays chosen")
        << "47-318-xx.ini" << three << mainFile({"Deutsch", "Eigen"}, "Eigen.ini") << true
        << Shipped + QStringList{"Eigen.ini"}
        << mainFile({"Deutsch", "English", "Latein"}, "Eigen.ini");
    QTest::newRow("upgrade: a chosen language whose file is gone gives way")
        << "47-318-xx.ini" << three << mainFile({"Deutsch", "Alt"}, "Alt.ini") << true << Shipped
        << three;
    QTest::newRow("upgrade: a copy without [SPRACHE] gives way")
        << "47-318-xx.ini" << three << crlf({"[AUSWAHL]", "English"}) << true << Shipped << three;
    QTest::newRow("upgrade: an installed file without [SPRACHE] stands as it is")
        << "47-318-xx.ini" << crlf({"[AUSWAHL]", "Deutsch"}) << chosenEnglish << true << Shipped
        << crlf({"[AUSWAHL]", "Deutsch"});
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
                      "ais.ini\r\n");
}

void UserTextFilesTest::refreshedCopy()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, installed);
    QFETCH(QByteArray, copy);
    QFETCH(bool, installedChanged);
    QFETCH(QStringList, userFiles);
    QFETCH(QByteArray, expected);

    const std::optional<QByteArray> userCopy =
        copy.isNull() ? std::nullopt : std::optional<QByteArray>(copy);
    const std::optional<QByteArray> result =
        kx::refreshedCopy(name, installed, userCopy, installedChanged, userFiles);
    QCOMPARE(result.has_value(), !expected.isNull());
    if (result)
        QCOMPARE(*result, expected);
}

QTEST_GUILESS_MAIN(UserTextFilesTest)
#include "user_text_files_test.moc"
