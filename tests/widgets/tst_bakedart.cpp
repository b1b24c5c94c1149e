// The pictures as a build without Qt SVG carries them (PNG drawn at build
// time by bake_art) against the SVG they come from: the same size, and the
// same picture on the screen at every scale.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "widgets/picture.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

// The picture as the screen shows it: drawn into a rectangle of the given
// size on a device of the given pixel ratio.
QImage drawn(const QString& resource, QSize size, qreal ratio) {
  QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  QPainter painter(&image);
  drawArt(painter, resource, QRectF(QPointF(0, 0), QSizeF(size)));
  return image;
}

// Mean difference of the two images' channels, 0-255.
double meanDifference(const QImage& a, const QImage& b) {
  const QImage x = a.convertToFormat(QImage::Format_RGB32);
  const QImage y = b.convertToFormat(QImage::Format_RGB32);
  double sum = 0;
  for (int row = 0; row < x.height(); ++row) {
    const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
    const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
    for (int col = 0; col < x.width(); ++col)
      sum += std::abs(qRed(p[col]) - qRed(q[col])) + std::abs(qGreen(p[col]) - qGreen(q[col])) +
             std::abs(qBlue(p[col]) - qBlue(q[col]));
  }
  return sum / (3.0 * x.width() * x.height());
}

}  // namespace

class BakedArtTest : public QObject {
  Q_OBJECT

  QTemporaryDir baked_;

 private slots:
  void initTestCase() {
    const QStringList pictures =
        QDir(QStringLiteral(VELINDA_ART_DIR)).entryList({u"*.svg"_s}, QDir::Files, QDir::Name);
    QVERIFY(pictures.size() > 10);
    QStringList arguments{baked_.path()};
    for (const QString& name : pictures) arguments << QStringLiteral(VELINDA_ART_DIR) + u'/' + name;
    QProcess bake;
    bake.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    bake.start(QStringLiteral(VELINDA_BAKE_ART), arguments);
    QVERIFY(bake.waitForFinished(120000));
    QCOMPARE(bake.exitCode(), 0);
  }

  void aBakedPictureLooksLikeItsDrawing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("ratio");
    // Sizes as the screens use them: a small button, a title, a banner.
    QTest::newRow("button, scale 1") << u"verifica"_s << QSize(24, 24) << 1.0;
    QTest::newRow("button, scale 2") << u"verifica"_s << QSize(24, 24) << 2.0;
    QTest::newRow("logo, scale 1.5") << u"logo"_s << QSize(180, 60) << 1.5;
    QTest::newRow("title, scale 1") << u"title_accettazione"_s << QSize(214, 40) << 1.0;
    QTest::newRow("banner, scale 2") << u"banner_spedizione"_s << QSize(922, 28) << 2.0;
  }
  void aBakedPictureLooksLikeItsDrawing() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(qreal, ratio);
    const QString svg = u":/art/"_s + name + u".svg"_s;
    const QString png = baked_.filePath(name + u".png"_s);
    QCOMPARE(artSize(png), artSize(svg));
    const double difference = meanDifference(drawn(png, size, ratio), drawn(svg, size, ratio));
    qInfo("mean difference %.2f", difference);
    QVERIFY2(difference < 2.0, qPrintable(u"mean difference %1 of 255"_s.arg(difference)));
  }

  void aMissingPictureDrawsNothing() {
    QImage image(10, 10, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    QVERIFY(!drawArt(painter, baked_.filePath(u"nessuna.png"_s), QRectF(0, 0, 10, 10)));
    QVERIFY(!drawArt(painter, u":/art/nessuna.svg"_s, QRectF(0, 0, 10, 10)));
    QVERIFY(artSize(u":/art/nessuna.svg"_s).isEmpty());
  }
};

QTEST_MAIN(BakedArtTest)
#include "tst_bakedart.moc"
