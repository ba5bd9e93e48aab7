// The code page of analysis files: every byte decodes and encodes back to itself, the
// characters of 0x80..0x9F sit where Windows puts them, and what the page cannot hold becomes
// "?".

#include "files/Windows1252.h"

#include <QTest>

using namespace wattmere;

class TestWindows1252 : public QObject {
    Q_OBJECT
private slots:
    void everyByteSurvivesADecodeAndEncode();
    void characters_data();
    void characters();
    void unmappableCharactersBecomeQuestionMarks_data();
    void unmappableCharactersBecomeQuestionMarks();
};

void TestWindows1252::everyByteSurvivesADecodeAndEncode() {
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(static_cast<char>(i));
    const QString text = decodeWindows1252(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(encodeWindows1252(text), all);
}

void TestWindows1252::characters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("euro") << QStringLiteral("€") << QByteArray("\x80");
    QTest::newRow("pound and blank") << QStringLiteral("£ ") << QByteArray("\xA3 ");
    QTest::newRow("umlauts") << QStringLiteral("Müller Größe")
                             << QByteArray("M\xFCller Gr\xF6\xDF"
                                           "e");
    QTest::newRow("en dash") << QStringLiteral("a – b") << QByteArray("a \x96 b");
    QTest::newRow("quotes and trade mark")
        << QStringLiteral("‘x’ “y” ™") << QByteArray("\x91x\x92 \x93y\x94 \x99");
    QTest::newRow("S and Z caron, Y diaeresis")
        << QStringLiteral("ŠšŽžŸ") << QByteArray("\x8A\x9A\x8E\x9E\x9F");
    QTest::newRow("unassigned byte") << QString(QChar(0x81)) << QByteArray("\x81");
}

void TestWindows1252::characters() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(encodeWindows1252(text), bytes);
    QCOMPARE(decodeWindows1252(bytes), text);
}

void TestWindows1252::unmappableCharactersBecomeQuestionMarks_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("cyrillic") << QStringLiteral("Жx") << QByteArray("?x");
    QTest::newRow("surrogate pair is one character") << QStringLiteral("a😀b") << QByteArray("a?b");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
}

void TestWindows1252::unmappableCharactersBecomeQuestionMarks() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(encodeWindows1252(text), bytes);
}

QTEST_APPLESS_MAIN(TestWindows1252)
#include "tst_windows1252.moc"
