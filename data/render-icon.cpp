// Renders the program's SVG icon as a square PNG of the given size, for the icon theme.
// Usage: quintel-render-icon IN.svg OUT.png SIZE

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: quintel-render-icon IN.svg OUT.png SIZE\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString in = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    bool ok = false;
    const int size = QByteArray(argv[3]).toInt(&ok);
    if (!ok || size < 1 || size > 1024) {
        std::fprintf(stderr, "quintel-render-icon: bad size %s\n", argv[3]);
        return 2;
    }
    QSvgRenderer renderer(in);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "quintel-render-icon: %s is not a valid SVG file\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    if (!image.save(out, "PNG")) {
        std::fprintf(stderr, "quintel-render-icon: %s cannot be written\n", argv[2]);
        return 1;
    }
    return 0;
}
