#include "asset_list.h"

#include "canvas.h"
#include "pictures.h"

namespace pictures {

const char* const kOtherResources[7] = {"minitile.png", "clicks1.png", "clicks2.png", "clicks3.png",
                                        "clicks4.png",  "clicks5.png", "clicks6.png"};

std::vector<AssetFile> drawAllAssets() {
    std::vector<AssetFile> out;
    const QString bg = "data/Backgrounds/";
    const QString res = "resources/";
    out.push_back({bg + "dragons.bmp", encodeBmp24(paintDragons())});
    out.push_back({bg + "andromeda.jpg", encodeJpeg(paintAndromeda(), 92)});
    out.push_back({bg + "kanji.bmp", encodeBmp24(paintKanji())});
    out.push_back({bg + "catpats.jpg", encodeJpeg(paintCatpats(), 95)});
    out.push_back({res + "splash.png", encodeRgbPng(paintSplash())});
    out.push_back({res + "hofpic.png", encodeRgbPng(paintPanelBackdrop())});
    out.push_back({res + "techno_cursor.png", encodePng(paintCursor())});
    out.push_back({res + "sorimo_icon.png", encodePng(paintAppIcon())});
    // The icon theme's sizes, for the desktop's menus, task bar and software centre.
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        out.push_back({QString("desktop/icons/%1x%1.png").arg(size), encodePng(paintAppIcon(size))});
    out.push_back({res + "toolbar_wallpaper.png", encodeRgbPng(paintToolbarWallpaper())});
    for (const int scale : {1, 2})
        for (const Glyph& g : paintToolbarGlyphs(scale))
            out.push_back({res + "toolbar/" + g.name + ".png", encodePng(g.image)});
    const std::vector<Portrait> girls = paintPortraits();
    for (size_t k = 0; k < girls.size(); ++k) {
        const QString stem = res + QString("girl%1").arg(k + 1);
        out.push_back({stem + ".png", encodeRgbPng(girls[k].plain)});
        out.push_back({stem + "_mood1.png", encodeRgbPng(girls[k].happyOverlay)});
        out.push_back({stem + "_mood2.png", encodeRgbPng(girls[k].worriedOverlay)});
    }
    return out;
}

}  // namespace pictures
