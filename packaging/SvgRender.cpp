// Build-time tool: draws SVG drawings into PNG files, so that the program ships pictures it
// needs no SVG support to show.
//   skylark-svg-render ICON.svg OUTPUT_FOLDER SIZE...
// writes OUTPUT_FOLDER/SIZE.png for every SIZE, square;
//   skylark-svg-render --pictures OUTPUT_FOLDER DRAWING.svg...
// writes OUTPUT_FOLDER/DRAWING.png for every drawing, at the drawing's own size.

#include <cstdio>

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>

namespace {
bool render(QSvgRenderer& renderer, QSize size, const QString& file)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    return image.save(file, "PNG");
}

int fail(const char* what, const QString& file)
{
    std::fprintf(stderr, "cannot %s %s\n", what, qPrintable(file));
    return 1;
}

int renderIcon(const QString& drawing, const QString& folder, const QStringList& sizes)
{
    QSvgRenderer renderer(drawing);
    if (!renderer.isValid())
        return fail("read", drawing);
    for (const QString& text : sizes) {
        bool ok = false;
        const int size = text.toInt(&ok);
        const QString file = folder + QLatin1Char('/') + text + QStringLiteral(".png");
        if (!ok || size <= 0 || !render(renderer, QSize(size, size), file))
            return fail("write", file);
    }
    return 0;
}

int renderPictures(const QString& folder, const QStringList& drawings)
{
    for (const QString& drawing : drawings) {
        QSvgRenderer renderer(drawing);
        if (!renderer.isValid() || renderer.defaultSize().isEmpty())
            return fail("read", drawing);
        const QString file =
            folder + QLatin1Char('/') + QFileInfo(drawing).completeBaseName() + QStringLiteral(".png");
        if (!render(renderer, renderer.defaultSize(), file))
            return fail("write", file);
    }
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() >= 4 && arguments[1] == QStringLiteral("--pictures"))
        return renderPictures(arguments[2], arguments.mid(3));
    if (arguments.size() >= 4)
        return renderIcon(arguments[1], arguments[2], arguments.mid(3));
    std::fputs("usage: skylark-svg-render ICON.svg OUTPUT_FOLDER SIZE...\n"
               "       skylark-svg-render --pictures OUTPUT_FOLDER DRAWING.svg...\n",
               stderr);
    return 2;
}
