#include <QFile>
#include <QTextStream>
#include <cstdio>

#include "pictures.h"

namespace pictures {

bool writeResourceList(const QString& resourcesDir, const QStringList& files) {
    QString text = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/\">\n";
    // The default tileset is built in too: the last fallback when no tileset file can be read.
    text += "    <file alias=\"default_tileset.bmp\">../data/Tilesets/bluepai.bmp</file>\n";
    for (const QString& f : files) text += QString("    <file alias=\"%1\">%1</file>\n").arg(f);
    text += "  </qresource>\n</RCC>\n";
    QFile out(resourcesDir + "/resources.qrc");
    const QByteArray bytes = text.toUtf8();
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out.fileName()));
        return false;
    }
    return true;
}

}  // namespace pictures
