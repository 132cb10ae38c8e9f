// draw_pictures <repo-root>          draws every picture into data/Backgrounds and resources/
// draw_pictures --check <repo-root>  checks the shipped pictures against the rules and
//                                    against what the generators draw now
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "asset_list.h"
#include "pictures.h"

using namespace pictures;

namespace {

QStringList resourceFiles(const QString& resources) {
    QStringList out;
    QDirIterator it(resources, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString rel = QDir(resources).relativeFilePath(it.next());
        if (rel != "resources.qrc") out << rel;
    }
    for (const char* other : kOtherResources)
        if (!out.contains(other)) out << other;
    out.sort();
    return out;
}

bool generate(const QString& root) {
    bool ok = true;
    for (const AssetFile& a : drawAllAssets()) {
        const QString path = root + "/" + a.path;
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        if (a.bytes.isEmpty() || !f.open(QIODevice::WriteOnly) || f.write(a.bytes) != a.bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    const QString resources = root + "/resources";
    return writeResourceList(resources, resourceFiles(resources)) && ok;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);  // fonts need a GUI application, even off screen
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == "--check") {
        const int faults = checkPictures(args[2]);
        std::printf("%d picture faults\n", faults);
        return faults == 0 ? 0 : 1;
    }
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: draw_pictures [--check] <repository folder>\n");
        return 2;
    }
    return generate(args[1]) ? 0 : 1;
}
