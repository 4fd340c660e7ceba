// artgen OUTDIR: paints every bitmap of the program into OUTDIR as PNG files.

#include "artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: artgen OUTDIR\n");
        return 2;
    }
    // Fonts need a GUI application; no display is required for painting images.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "artgen: cannot create %s\n", argv[1]);
        return 1;
    }
    for (const art::Artwork& a : art::allArtwork()) {
        const QImage img = a.paint();
        const QString path = out.filePath(a.fileName);
        // The format follows the name: the pictures are BMP, which the program
        // decodes at start-up far faster than PNG (the resource compiler
        // compresses them anyway); the icon keeps its transparency in a PNG.
        if (img.size() != a.size || !img.save(path)) {
            std::fprintf(stderr, "artgen: failed to write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
