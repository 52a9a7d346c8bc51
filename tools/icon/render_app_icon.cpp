// render_app_icon: a developer program run by the build, not installed. Writes the
// application icon that the program draws (ui/qt/app_icon.cpp) as the files of the
// hicolor icon theme, so the menu shows the same icon as the window:
//   OUTDIR/hicolor/NxN/apps/NAME.png for each size of kSizesPx,
//   OUTDIR/hicolor/scalable/apps/NAME.svg, the same drawing as vector paths.
// Usage: render_app_icon OUTDIR NAME. Exit status 0 when every file was written.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgGenerator>
#include <cstdio>

#include "ui/qt/app_icon.h"

namespace {

constexpr int kSizesPx[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The folder `sizeDir` of the theme under `outDir`, made if missing; empty on failure.
QString AppsDir(const QString& outDir, const QString& sizeDir) {
  const QString dir = outDir + "/hicolor/" + sizeDir + "/apps";
  if (!QDir().mkpath(dir)) {
    std::fprintf(stderr, "render_app_icon: cannot make the folder %s\n", qUtf8Printable(dir));
    return QString();
  }
  return dir;
}

bool WritePng(const QString& outDir, const QString& name, int sizePx) {
  const QString dir = AppsDir(outDir, QString("%1x%1").arg(sizePx));
  if (dir.isEmpty()) return false;
  QImage image(sizePx, sizePx, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    tqr417::res::PaintAppIcon(painter, sizePx);
  }
  const QString file = dir + "/" + name + ".png";
  if (!image.save(file, "PNG")) {
    std::fprintf(stderr, "render_app_icon: cannot write %s\n", qUtf8Printable(file));
    return false;
  }
  return true;
}

// The icon is drawn from rectangles, paths, an ellipse and arcs, so the SVG holds the
// same shapes as the pixel icons, not a picture of them.
bool WriteSvg(const QString& outDir, const QString& name) {
  const QString dir = AppsDir(outDir, "scalable");
  if (dir.isEmpty()) return false;
  constexpr int kGrid = 32;  // the grid the icon is drawn in
  const QString file = dir + "/" + name + ".svg";
  QSvgGenerator svg;
  svg.setFileName(file);
  svg.setSize(QSize(kGrid, kGrid));
  svg.setViewBox(QRect(0, 0, kGrid, kGrid));
  svg.setTitle("TQR-417 Setup");
  svg.setDescription("Application icon of the TQR-417 setup application");
  QPainter painter;
  if (!painter.begin(&svg)) {
    std::fprintf(stderr, "render_app_icon: cannot write %s\n", qUtf8Printable(file));
    return false;
  }
  tqr417::res::PaintAppIcon(painter, kGrid);
  return painter.end();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "Usage: render_app_icon OUTDIR NAME\n");
    return 2;
  }
  const QString outDir = QString::fromLocal8Bit(argv[1]);
  const QString name = QString::fromLocal8Bit(argv[2]);
  bool ok = true;
  for (const int sizePx : kSizesPx) ok = WritePng(outDir, name, sizePx) && ok;
  ok = WriteSvg(outDir, name) && ok;
  return ok ? 0 : 1;
}
