// sdro: the program's entry point.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <cstdio>
#include <cstring>
#include <string>

#include "astro/language.h"

namespace {

int render(const char* out) {
  QImage image(600, 600, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter p(&image);
  p.setPen(Qt::white);
  p.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("Sidaro 3.0"));
  p.end();
  if (!image.save(QString::fromLocal8Bit(out), "PNG")) {
    std::fprintf(stderr, "sdro: cannot write %s\n", out);
    return 1;
  }
  std::printf("%s\n", out);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--render") == 0) {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "sdro: --render needs a file name\n");
        return 2;
      }
      qputenv("QT_QPA_PLATFORM", "offscreen");
      QGuiApplication app(argc, argv);
      return render(argv[i + 1]);
    }
  }
  QApplication app(argc, argv);
  QLabel label(QString::fromUtf8(std::string(sdro::tr("Sidaro 3.0 läuft.", "Sidaro 3.0 is running.")).c_str()));
  label.resize(400, 200);
  label.show();
  return QApplication::exec();
}
