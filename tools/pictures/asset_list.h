// Every file the generator ships, with the exact bytes it should hold.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace pictures {

struct AssetFile {
    QString path;  // relative to the repository folder
    QByteArray bytes;
};

// Draws and encodes everything (a few seconds of work).
std::vector<AssetFile> drawAllAssets();

// Pictures that another generator puts into resources/; the resource list names them too.
extern const char* const kOtherResources[7];

}  // namespace pictures
