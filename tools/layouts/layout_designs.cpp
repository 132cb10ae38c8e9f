// The shipped layouts. Each is drawn symmetric about the middle of the board where its shape
// allows, which keeps it centred on the board image (see DesignBuilder).
#include "tools/layouts/layout_designs.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

namespace sorimo::tools {
namespace {

using B = DesignBuilder;

// Rows of tiles centred on the board, one every two rows from y0 down, widths as given
// (a width of 0 leaves the row empty). Rows of odd and even widths sit half a tile apart.
void Rows(B& b, int z, int y0, std::initializer_list<int> widths) {
  int y = y0;
  for (int w : widths) {
    if (w > 0) b.Row(18 - w, y, z, w);
    y += 2;
  }
}

// A height map: one string per row of tiles, one character per tile, '1'..'5' a stack of
// that many tiles, '.' none. The map is centred on the board (its widest row decides).
void Heights(B& b, std::initializer_list<std::string_view> rows) {
  int width = 0;
  for (std::string_view row : rows) width = std::max(width, static_cast<int>(row.size()));
  int y = 11 - static_cast<int>(rows.size());
  for (std::string_view row : rows) {
    int x = 18 - width;
    for (char c : row) {
      if (c >= '1' && c <= '5')
        for (int z = 1; z <= c - '0'; ++z) b.Tile(x, y, z);
      x += 2;
    }
    y += 2;
  }
}

// The classic turtle: a 12-wide base of 84 tiles plus three side tiles, a 6 x 6 second
// layer, 4 x 4 third, 2 x 2 fourth and one tile on top.
void Traditional(B& b) {
  const int widths[8] = {12, 8, 10, 12, 12, 10, 8, 12};
  for (int r = 0; r < 8; ++r) b.Row(5 + 12 - widths[r], 3 + 2 * r, 1, widths[r]);
  b.Tile(3, 10, 1).Tile(29, 10, 1).Tile(31, 10, 1);  // between the two middle rows
  b.Block(11, 5, 2, 6, 6).Block(13, 7, 3, 4, 4).Block(15, 9, 4, 2, 2).Tile(16, 10, 5);
}

// Five layers, each a whole tile narrower than the one below and half a row shorter at top
// and bottom, up to a two-tile cap. The steps leave the ends of every row open, so a deal
// always has plenty of tiles to take.
void Pyramid(B& b) {
  b.Centred(1, 9, 7).Centred(2, 7, 6).Centred(3, 5, 5).Centred(4, 3, 4).Centred(5, 1, 2);
}

// A walled square with a tower on every corner, battlements along the long walls and a
// stepped keep in the courtyard.
void Fortress(B& b) {
  b.Row(5, 3, 1, 7).Column(5, 5, 1, 3).Tile(7, 5, 1);           // wall and corner, top left
  for (int z = 2; z <= 4; ++z) b.Block(5, 3, z, 2, 2);          // tower
  b.Tile(6, 4, 5);
  b.Tile(9, 3, 2).Tile(13, 3, 2);                               // battlements
  b.MirrorXY();
  b.Tile(17, 3, 2).Tile(17, 17, 2);
  b.Centred(1, 5, 4).Centred(2, 4, 3).Centred(3, 3, 2).Centred(4, 2, 1);
}

// Two tall towers, battlements on their tops, joined by a bridge that rises to the middle.
void TwinTowers(B& b) {
  for (int z = 1; z <= 3; ++z) b.Block(3, 6, z, 3, 5);
  b.Column(3, 6, 4, 5).Column(7, 6, 4, 5);  // the battlements, a gap between them
  b.MirrorX();
  b.Block(9, 8, 1, 9, 3).Row(13, 10, 2, 5).Row(16, 10, 3, 2);
}

// A wall winding across the board, merlons on every other section, a gate in the middle
// between two watchtowers and two more towers further out.
void GreatWall(B& b) {
  const int offset[16] = {4, 3, 2, 1, 0, 0, 1, 2, 2, 1, 0, 0, 1, 2, 3, 4};
  for (int c = 0; c < 16; ++c) {
    const int x = 2 + 2 * c, y = 6 + offset[c];
    b.Column(x, y, 1, 3).Column(x, y, 2, 3);
    const bool merlon = c <= 6 ? c % 2 == 0 : c >= 9 && c % 2 == 1;  // mirror images
    if (!merlon) continue;
    b.Column(x, y, 3, 3);
    if (c == 2 || c == 6 || c == 9 || c == 13) b.Column(x, y, 4, 3).Column(x, y, 5, 3);  // a tower
  }
}

// A gate of two posts under a heavy double beam, its roof rising to a ridge.
void DragonGate(B& b) {
  b.Row(1, 3, 1, 17).Row(3, 5, 1, 15).Row(5, 9, 1, 13);
  b.Row(2, 4, 2, 16).Row(7, 9, 2, 11).Row(4, 4, 3, 14).Row(9, 9, 3, 9);
  b.Row(16, 4, 4, 2).Tile(17, 4, 5);
  for (int y : {7, 11, 13, 15, 17}) b.Row(7, y, 1, 2).Row(7, y, 2, 2);
  for (int y : {12, 14, 16}) b.Tile(8, y, 3);
  // The right post mirrors the left one.
  for (int y : {7, 11, 13, 15, 17}) b.Row(25, y, 1, 2).Row(25, y, 2, 2);
  for (int y : {12, 14, 16}) b.Tile(26, y, 3);
}

// Two pairs of wings around a tall body.
void Butterfly(B& b) {
  Heights(b, {"1221........1221",
              "1211111..1111121",
              "1122221331222211",
              ".11111255211111.",
              "..111125521111..",
              ".11111144111111.",
              ".1221..33..1221.",
              "..11........11.."});
}

// A flower: a high seed pod in a ring of petals, with eight petals further out.
void Lotus(B& b) {
  Heights(b, {".1....1111....1.",
              "121..122221..121",
              ".1.1122332211.1.",
              "1111.235532.1111",
              "1111.235532.1111",
              ".1.1122332211.1.",
              "121..122221..121",
              ".1....1111....1."});
}

// A crab with raised claws and three legs a side.
void Crab(B& b) {
  Heights(b, {".2............2.",
              "1.2..........2.1",
              ".22..........22.",
              "..2.12322321.2..",
              "1..2344554432..1",
              ".1.2344444432.1.",
              "1..1233333321..1",
              ".1.1.1....1.1.1."});
}

// An oval of seats rising towards the rim around an open field, with six gate towers.
void Arena(B& b) {
  Heights(b, {"....22255222....",
              "..322111111223..",
              ".3211......1123.",
              "521..........125",
              "521..........125",
              ".3211......1123.",
              "..322111111223..",
              "....22255222...."});
}

// A diamond of rows, each layer above stepping in towards two tiles on top.
void Diamond(B& b) {
  Rows(b, 1, 2, {3, 5, 7, 9, 11, 9, 7, 5, 3});
  Rows(b, 2, 3, {4, 6, 8, 10, 10, 8, 6, 4});
  Rows(b, 3, 6, {3, 5, 7, 5, 3});
  b.Row(16, 9, 4, 2).Row(16, 11, 4, 2).Row(16, 10, 5, 2);
}

// Four long rays and four short ones around a high middle.
void Star(B& b) {
  Heights(b, {".......22.......",
              "..1....22....1..",
              "..12..2332..21..",
              "1123344554433211",
              "1123344554433211",
              "..12..2332..21..",
              "..1....22....1..",
              ".......22......."});
}

// A square spiral winding inwards and upwards.
void Spiral(B& b) {
  Heights(b, {"...1111111111111",
              "...............1",
              "22222333333333.1",
              "2............3.1",
              "2............3.1",
              "2.554444444333.1",
              "2..............1",
              "2222222222211111"});
}

// Two triangles meeting at a narrow waist, sand piled in both halves.
void Hourglass(B& b) {
  Rows(b, 1, 2, {14, 12, 10, 6, 2, 6, 10, 12, 14});
  Rows(b, 2, 3, {11, 9, 5, 1, 1, 5, 9, 11});
  Rows(b, 3, 4, {2, 0, 0, 0, 0, 0, 2});
  b.Tile(17, 4, 4).Tile(17, 16, 4);
}

// Nine by eight squares, alternately one and three tiles high.
void Checkerboard(B& b) {
  Heights(b, {"131313131",
              "313131313",
              "131313131",
              "313131313",
              "131313131",
              "313131313",
              "131313131",
              "313131313"});
}

// A temple front: a stepped roof on a row of pillars, broad stairs below.
void Temple(B& b) {
  Heights(b, {".......11.......",
              ".....123321.....",
              "...1223333221...",
              ".22222222222222.",
              ".3.3.3.33.3.3.3.",
              ".3.3.3.33.3.3.3.",
              "1111111111111111",
              "1111111111111111"});
}

// A cone of ash with a crater at its top.
void Volcano(B& b) {
  Heights(b, {"......1111......",
              "....11222211....",
              "...1123333211...",
              ".11234522543211.",
              ".11234522543211.",
              "...1123333211...",
              "....11222211....",
              "......1111......"});
}

// Three mountains, the middle one highest.
void ThreePeaks(B& b) {
  Heights(b, {".......11.......",
              "..1..112211..1..",
              ".121.123321.121.",
              "1232123454321232",
              "1232123454321232",
              ".121.123321.121.",
              "..1..112211..1..",
              ".......11......."});
}

// A crown: five points above a band set with four high jewels.
void Crown(B& b) {
  Heights(b, {"1...1..11..1...1",
              "2..121.33.121..2",
              "21.222.33.222.12",
              "2222222222222222",
              "2.5.2.5225.2.5.2",
              "2222222222222222"});
}

// An owl with tufted ears, round staring eyes, a beak, wings folded and two feet.
void Owl(B& b) {
  Heights(b, {".2............2.",
              ".33..........33.",
              ".2222.1111.2222.",
              "22552.1221.25522",
              ".2222.1331.2222.",
              ".11122222222111.",
              "..111222222111..",
              "...111....111..."});
}

// A terraced temple mound, each terrace set further back.
void Ziggurat(B& b) {
  Heights(b, {"......1221......",
              ".....123321.....",
              "....12333321....",
              "...1234554321...",
              "..123444444321..",
              ".12222222222221.",
              "1111111111111111"});
}

// Eight branching arms of ice around a hollow middle.
void Snowflake(B& b) {
  Heights(b, {".2...2...2.",
              "..3.232.3..",
              "...4.4.4...",
              ".22.555.22.",
              "22345454322",
              ".22.555.22.",
              "...4.4.4...",
              "..3.232.3..",
              ".2...2...2."});
}

// A carp swimming to the left, its tail fanned out behind.
void Koi(B& b) {
  Heights(b, {".....111......1.",
              "..1122211....12.",
              ".12233221...123.",
              "1225334321.1231.",
              "12333443211.231.",
              ".12233221...123.",
              "..1122211....12.",
              ".....111......1."});
}

// A long boat with a dragon's head at the bow and a row of oarsmen.
void DragonBoat(B& b) {
  Heights(b, {".3.............",
              "544...........3",
              ".33..........33",
              "..3.2.2.2.2.2.3",
              ".44444444444443",
              "..32222222223..",
              "...222222222..."});
}

// Three tiers of wide eaves under a spire.
void Pagoda(B& b) {
  Heights(b, {".......55.......",
              ".....222222.....",
              "......2332......",
              "...2222222222...",
              ".....334433.....",
              ".22222222222222.",
              "....33444433....",
              "1111111111111111"});
}

// A humped bridge over a river between two banks.
void MoonBridge(B& b) {
  Heights(b, {"1111........1111",
              "111..........111",
              "1112........2111",
              "1223344554433221",
              "1223344554433221",
              "1112........2111",
              "111..........111",
              "1111........1111"});
}

}  // namespace

const std::vector<LayoutDesign>& LayoutDesigns() {
  static const std::vector<LayoutDesign> designs = {
      {"Traditional", Traditional}, {"Pyramid", Pyramid},     {"Fortress", Fortress},
      {"Twin Towers", TwinTowers},  {"Great Wall", GreatWall}, {"Dragon Gate", DragonGate},
      {"Butterfly", Butterfly},     {"Lotus", Lotus},         {"Crab", Crab},
      {"Arena", Arena},             {"Diamond", Diamond},     {"Star", Star},
      {"Spiral", Spiral},           {"Hourglass", Hourglass}, {"Checkerboard", Checkerboard},
      {"Temple", Temple},           {"Volcano", Volcano},     {"Three Peaks", ThreePeaks},
      {"Crown", Crown},             {"Owl", Owl},             {"Ziggurat", Ziggurat},
      {"Snowflake", Snowflake},     {"Koi", Koi},             {"Dragon Boat", DragonBoat},
      {"Pagoda", Pagoda},           {"Moon Bridge", MoonBridge},
  };
  return designs;
}

}  // namespace sorimo::tools
