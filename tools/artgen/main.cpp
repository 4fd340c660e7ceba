// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// artgen OUTDIR: paints every bitmap of the program into OUTDIR, at 1x, 2x and
// 3x (BITMAP_n.bmp, BITMAP_n@2x.bmp, BITMAP_n@3x.bmp).
// artgen --icons OUTDIR: paints the desktop icon at each theme size into
// OUTDIR as icon-SIZE.png.

#include "artwork.h"
#include "paintkit.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>

namespace {

bool write(const QImage& img, QSize expected, const QString& path) {
    if (img.size() != expected || !img.save(path)) {
        std::fprintf(stderr, "artgen: failed to write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const bool icons = argc == 3 && std::strcmp(argv[1], "--icons") == 0;
    if (argc != 2 && !icons) {
        std::fprintf(stderr, "usage: artgen OUTDIR\n       artgen --icons OUTDIR\n");
        return 2;
    }
    // Fonts need a GUI application; no display is required for painting images.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const char* outDir = argv[argc - 1];
    const QDir out(QString::fromLocal8Bit(outDir));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "artgen: cannot create %s\n", outDir);
        return 1;
    }
    if (icons) {
        for (int size : art::iconSizes())
            if (!write(art::paintIcon(size), {size, size},
                       out.filePath(QStringLiteral("icon-%1.png").arg(size))))
                return 1;
        return 0;
    }
    // The format follows the name: the pictures are BMP, which the program
    // decodes far faster than PNG (the resource compiler stores most as they
    // are: noisy textures hardly compress); the icon keeps its transparency in
    // a PNG, at 1x only.
    for (int scale = 1; scale <= art::kMaxScale; ++scale) {
        const art::PaintScale painting(scale);
        for (const art::Artwork& a : art::allArtwork())
            if ((scale == 1 || a.everyScale) &&
                !write(a.paint(), a.size * scale,
                       out.filePath(art::scaledFileName(a.fileName, scale))))
                return 1;
    }
    return 0;
}
