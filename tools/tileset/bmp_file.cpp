#include "bmp_file.h"

#include <QByteArray>
#include <QFile>

namespace tileset {
namespace {

void put16(QByteArray& b, int v) {
    b.append(char(v & 0xff));
    b.append(char((v >> 8) & 0xff));
}

void put32(QByteArray& b, quint32 v) {
    for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xff));
}

}  // namespace

bool writeBmp(const QString& path, const QImage& image, QString* error) {
    const bool indexed = image.format() == QImage::Format_Indexed8;
    const QImage src = indexed ? image : image.convertToFormat(QImage::Format_RGB32);
    const int w = src.width();
    const int h = src.height();
    const int bits = indexed ? 8 : 24;
    const int rowBytes = ((w * bits / 8) + 3) & ~3;
    const int paletteBytes = indexed ? 256 * 4 : 0;
    const quint32 dataOffset = 14 + 40 + paletteBytes;
    const quint32 fileSize = dataOffset + quint32(rowBytes) * quint32(h);

    QByteArray b;
    b.reserve(int(fileSize));
    b.append("BM");
    put32(b, fileSize);
    put32(b, 0);
    put32(b, dataOffset);
    put32(b, 40);         // BITMAPINFOHEADER
    put32(b, quint32(w));
    put32(b, quint32(h)); // positive: bottom-up
    put16(b, 1);
    put16(b, bits);
    put32(b, 0);          // BI_RGB
    put32(b, quint32(rowBytes) * quint32(h));
    put32(b, 2835);       // 72 dpi
    put32(b, 2835);
    put32(b, indexed ? 256 : 0);
    put32(b, 0);
    if (indexed) {
        const QVector<QRgb> table = src.colorTable();
        for (int i = 0; i < 256; ++i) {
            const QRgb c = i < table.size() ? table[i] : qRgb(0, 0, 0);
            b.append(char(qBlue(c)));
            b.append(char(qGreen(c)));
            b.append(char(qRed(c)));
            b.append(char(0));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row;
        if (indexed) {
            row = QByteArray(reinterpret_cast<const char*>(src.constScanLine(y)), w);
        } else {
            for (int x = 0; x < w; ++x) {
                const QRgb c = src.pixel(x, y);
                row.append(char(qBlue(c)));
                row.append(char(qGreen(c)));
                row.append(char(qRed(c)));
            }
        }
        row.append(QByteArray(rowBytes - row.size(), '\0'));
        b.append(row);
    }

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(b) != b.size()) {
        if (error) *error = "cannot write " + path + ": " + file.errorString();
        return false;
    }
    return true;
}

int bmpBitsPerPixel(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return 0;
    const QByteArray head = file.read(30);
    if (head.size() < 30 || !head.startsWith("BM")) return 0;
    return uchar(head[28]) | (uchar(head[29]) << 8);
}

}  // namespace tileset
