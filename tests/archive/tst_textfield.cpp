#include <QTest>

#include "archive/tcampofisso.h"
#include "core/windows1252.h"

using namespace velinda;

using namespace Qt::StringLiterals;

// The bytes a field of capacity `capacity` holds after FromText(text).
static QByteArray stored(const QString& text, int capacity) {
  QByteArray buffer(capacity + 1, 'x');
  TCampoFisso(buffer.data(), capacity).FromText(text);
  return buffer.left(1 + static_cast<unsigned char>(buffer.at(0)));
}

class TextFieldTest : public QObject {
  Q_OBJECT
 private slots:
  void fromText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("plain") << "Roma" << 10 << QByteArray("\x04Roma");
    QTest::newRow("trimmed both ends, tabs and line breaks too") << " \t Roma\r\n"
                                                                 << 10 << QByteArray("\x04Roma");
    QTest::newRow("inner blanks kept") << "Via  Po" << 10 << QByteArray("\x07Via  Po");
    QTest::newRow("only blanks store nothing") << "   " << 10 << QByteArray("\x00", 1);
    // clang-format off
    QTest::newRow("exactly the capacity") << "12345" << 5 << QByteArray("\x05" "12345");
    QTest::newRow("longer text is cut") << "1234567" << 5 << QByteArray("\x05" "12345");
    // clang-format on
    QTest::newRow("accented letter is one byte") << u"Forlì"_s << 10
                                                 << QByteArray(
                                                        "\x05"
                                                        "Forl\xEC");
    QTest::newRow("euro sign") << u"€ 5"_s << 10 << QByteArray("\x03\x80 5");
    QTest::newRow("letter outside the code page loses its accent") << u"Łódź Ős"_s << 10
                                                                   << QByteArray(
                                                                          "\x07L\xF3"
                                                                          "dz Os");
    QTest::newRow("no close letter becomes ?") << u"日本"_s << 10 << QByteArray("\x02??");
  }
  void fromText() {
    QFETCH(QString, text);
    QFETCH(int, capacity);
    QFETCH(QByteArray, bytes);
    QCOMPARE(stored(text, capacity), bytes);
  }

  void toTextDecodesTrimsAndStaysInsideTheField() {
    // clang-format off
    QByteArray buffer("\x05" "Forl\xEC" "ZZZ");
    // clang-format on
    QCOMPARE(TCampoFisso::ToText(buffer.constData(), 8), u"Forlì"_s);
    QByteArray blanks("\x04  a ");
    QCOMPARE(TCampoFisso::ToText(blanks.constData(), 4), u"a"_s);
    // clang-format off
    QByteArray empty("\x00" "abc", 4);
    // clang-format on
    QCOMPARE(TCampoFisso::ToText(empty.constData(), 3), QString());
    // A damaged length byte larger than the capacity reads only the field's
    // own bytes, never the next field's.
    // clang-format off
    QByteArray damaged("\xFF" "AB" "\x02" "CD");
    // clang-format on
    QCOMPARE(TCampoFisso::ToText(damaged.constData(), 2), u"AB"_s);
  }

  void flags() {
    QByteArray buffer(3, '\0');
    TCampoFisso flag(buffer.data(), 2);
    flag.FromFlag(true);
    QCOMPARE(buffer, QByteArray("\x02\x53\xEC"));
    QCOMPARE(flag.ToFlag(), std::optional<bool>(true));
    flag.FromFlag(false);
    QCOMPARE(buffer, QByteArray("\x02\x4E\x6F"));
    QCOMPARE(flag.ToFlag(), std::optional<bool>(false));
    for (const QByteArray& other : {QByteArray("\x00zz", 3), QByteArray("\x02no"),
                                    QByteArray("\x02SI"), QByteArray("\x01S\xEC")}) {
      QByteArray copy = other;
      QCOMPARE(TCampoFisso(copy.data(), 2).ToFlag(), std::nullopt);
    }
  }

  // Long texts go through in runs of plain ASCII; what breaks a run must
  // come out the same wherever it falls, both ways.
  void encodingAroundRunsOfAscii_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("decodesBack");
    const QString ascii = u"abcdefghijklmnopq"_s;  // seventeen letters
    for (int at : {0, 1, 7, 8, 9, 16}) {
      QString text = ascii;
      text.insert(at, u"€"_s);
      QByteArray bytes = ascii.toLatin1();
      bytes.insert(at, '\x80');
      QTest::addRow("euro sign at %d", at) << text << bytes << true;
    }
    QTest::newRow("accented letters in a run")
        << u"Forlì, Cantù e Città"_s << QByteArray("Forl\xEC, Cant\xF9 e Citt\xE0") << true;
    QTest::newRow("a letter beyond the code page mid-run")
        << u"0123456Ő89abcdef"_s << QByteArray("0123456O89abcdef") << false;
    QTest::newRow("a pair of surrogates across eight")
        << u"1234567😀9"_s << QByteArray("1234567?9") << false;
    QTest::newRow("a lone surrogate")
        << u"ab"_s + QChar(0xD800) + u"cdefghij"_s << QByteArray("ab?cdefghij") << false;
  }
  void encodingAroundRunsOfAscii() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Windows1252::encode(text), bytes);
    QByteArray room(text.size() + 4, '#');
    const char* end = Windows1252::encodeTo(text, room.data() + 2);
    QCOMPARE(QByteArray(room.constData() + 2, end - room.constData() - 2), bytes);
    QCOMPARE(room.left(2), QByteArray("##"));
    QFETCH(bool, decodesBack);
    if (decodesBack) QCOMPARE(Windows1252::decode(bytes), text);
  }

  void windows1252RoundTripsEveryDefinedByte() {
    QByteArray all;
    for (int b = 1; b < 256; ++b) all.append(char(b));
    QCOMPARE(Windows1252::encode(Windows1252::decode(all)), all);
  }
};

QTEST_APPLESS_MAIN(TextFieldTest)
#include "tst_textfield.moc"
