// Build-time tool: draws the scalable icon into square PNG files, one per size, so the
// hicolor theme and the window icon come from the one drawing.
//   skylark-icon-render ICON.svg OUTPUT_FOLDER SIZE...
// writes OUTPUT_FOLDER/SIZE.png for every SIZE.

#include <cstdio>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>

namespace {
bool render(QSvgRenderer& renderer, int size, const QString& file)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    return image.save(file, "PNG");
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 4) {
        std::fputs("usage: skylark-icon-render ICON.svg OUTPUT_FOLDER SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(arguments[1]);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(arguments[1]));
        return 1;
    }
    for (const QString& text : arguments.mid(3)) {
        bool ok = false;
        const int size = text.toInt(&ok);
        const QString file = arguments[2] + QLatin1Char('/') + text + QStringLiteral(".png");
        if (!ok || size <= 0 || !render(renderer, size, file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
