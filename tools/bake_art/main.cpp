// Draws each SVG picture as a PNG four times its own size, for a build of the
// program without Qt SVG (Windows): there the program scales the PNG down to
// the size and the screen's pixel ratio it needs.
//
//   bake_art <output folder> <picture.svg>...
//
// Each picture lands as <output folder>/<name>.png.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

// Four times a picture's own size is sharp at a screen scale of 2 for a
// picture shown at twice its size, the most the program asks of one.
constexpr int kScale = 4;

bool bake(const QString& svg, const QDir& output) {
  QSvgRenderer renderer(svg);
  if (!renderer.isValid()) return false;
  QImage image(renderer.defaultSize() * kScale, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  painter.end();
  // widgets/picture.cpp reads the note to know the picture's own size.
  image.setText(QStringLiteral("Scale"), QString::number(kScale));
  return image.save(output.filePath(QFileInfo(svg).completeBaseName() + QStringLiteral(".png")));
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 3) {
    std::fputs("usage: bake_art <output folder> <picture.svg>...\n", stderr);
    return 2;
  }
  const QDir output(args[1]);
  if (!output.mkpath(QStringLiteral("."))) return 1;
  for (const QString& svg : args.mid(2)) {
    if (!bake(svg, output)) {
      std::fprintf(stderr, "bake_art: cannot draw %s\n", qPrintable(svg));
      return 1;
    }
  }
  return 0;
}
