// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// Build-time tool: renders a scalable picture into a square PNG of a given size. An output named
// *.pixels gets instead the pixels that reading that PNG gives, uncompressed, after the header that
// pixels.h defines: the program then shows the same picture without decoding an image at start-up.
#include <cstdint>
#include <cstdio>

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include "pixels.h"

int main(int argc, char *argv[])
{
    // A build has no display to talk to.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s picture.svg size out.png\n", argv[0]);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    bool sizeOk = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&sizeOk);
    if (!renderer.isValid() || !sizeOk || size <= 0) {
        std::fprintf(stderr, "%s: cannot render %s at %s px\n", argv[0], argv[1], argv[2]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }
    const QString out = QString::fromLocal8Bit(argv[3]);
    bool written = false;
    if (out.endsWith(QLatin1String(".pixels"))) {
        QByteArray png;
        QBuffer buffer(&png);
        const QImage decoded = buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG")
            ? QImage::fromData(png, "PNG")
            : QImage();
        QFile file(out);
        const pixels::Header header { std::uint32_t(decoded.width()), std::uint32_t(decoded.height()),
            std::uint32_t(decoded.format()), std::uint32_t(decoded.bytesPerLine()) };
        written = !decoded.isNull() && file.open(QIODevice::WriteOnly)
            && file.write(reinterpret_cast<const char *>(&header), sizeof header) == sizeof header
            && file.write(reinterpret_cast<const char *>(decoded.constBits()), decoded.sizeInBytes())
                == decoded.sizeInBytes();
    } else {
        written = image.save(out, "PNG");
    }
    if (!written) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
        return 1;
    }
    return 0;
}
