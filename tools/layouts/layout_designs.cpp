// The shipped layouts. Each is drawn symmetric about the middle of the board where its shape
// allows, which keeps it centred on the board image (see DesignBuilder).
#include "tools/layouts/layout_designs.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

namespace sorimo::tools {
namespace {

using B = DesignBuilder;

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

// Five steps up to a cap of two tiles, a stairway cut into the upper steps. Each step stands
// square on the one below (a tile under one tile only), and the stairway parts the upper rows,
// so the ends of short rows keep opening as the pyramid comes down.
void Pyramid(B& b) {
  Heights(b, {"11111111111",
              "12222222221",
              "12333133321",
              "12345254321",
              "12333133321",
              "12222222221",
              "11111111111"});
}

// A walled square with a tower on every corner, battlements along the long walls and a
// stepped keep in the courtyard.
void Fortress(B& b) {
  Heights(b, {"44.1212112121.44",
              "45............54",
              "1..............1",
              "2....234432....2",
              "2....234432....2",
              "1..............1",
              "45............54",
              "44.1212112121.44"});
}

// Two tall towers, battlements on their tops, and between them a bridge that rises to the
// middle. The bridge stands clear of the towers, so its rows open from their ends.
void TwinTowers(B& b) {
  Heights(b, {"434.........434",
              "434..12321..434",
              "434.1234321.434",
              "434..12321..434",
              "434.........434"});
}

// A wall winding across the board in whole-row steps, merlons on every other section, four
// towers and a gate in the middle. The low sections between the merlons keep every tile of the
// wall's upper layers open at its sides.
void GreatWall(B& b) {
  const int offset[16] = {2, 2, 1, 1, 0, 0, 1, 1, 1, 1, 0, 0, 1, 1, 2, 2};
  for (int c = 0; c < 16; ++c) {
    if (c == 7 || c == 8) continue;  // the gate
    const bool merlon = c <= 7 ? c % 2 == 0 : c % 2 == 1;  // mirror images
    const bool tower = c == 2 || c == 6 || c == 9 || c == 13;
    for (int r = 0; r < 4; ++r) {
      const int height = tower ? (r == 1 || r == 2 ? 5 : 4) : merlon ? 3 : 1;
      for (int z = 1; z <= height; ++z) b.Tile(2 + 2 * c, 5 + 2 * (offset[c] + r), z);
    }
  }
}

// A gate of two posts under a heavy double beam, its roof rising to a ridge, a tie beam
// across the posts.
void DragonGate(B& b) {
  Heights(b, {"12223344544332221",
              ".1111111.1111111.",
              "...33.......33...",
              "..1331121211331..",
              "...33.......33...",
              "...33.......33...",
              "...33.......33...",
              "..1221.....1221.."});
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

// A diamond of rows, each layer above stepping in towards the top, squarely over the one below.
void Diamond(B& b) {
  Heights(b, {"....111....",
              "...12421...",
              "..1235321..",
              ".123454321.",
              "12345454321",
              ".123454321.",
              "..1235321..",
              "...12421...",
              "....111...."});
}

// Four long rays and four short ones around a high middle; a gap parts the long rays from
// the middle so that their rows open at both ends.
void Star(B& b) {
  Heights(b, {".......33.......",
              "..1....33....1..",
              "..12..3443..21..",
              "1123.345543.3211",
              "1123.345543.3211",
              "..12..3443..21..",
              "..1....33....1..",
              ".......33......."});
}

// A square spiral winding inwards and upwards, its arms stepping up and down tile by tile and
// broken once each, so that no long row stays closed.
void Spiral(B& b) {
  Heights(b, {"...1212121.12121",
              "...............2",
              "2323232.323232.1",
              "2.3..........3.2",
              "3.3..........2.1",
              "2.5353535353.3.2",
              "2..............1",
              "2121212.12121212"});
}

// Two triangles meeting at a narrow waist, sand piled in both halves inside a frame.
void Hourglass(B& b) {
  Heights(b, {"12222222222221",
              ".111122221111.",
              "..1222222221..",
              "....122221....",
              "......22......",
              "....122221....",
              "..1222222221..",
              ".111122221111.",
              "12222222222221"});
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

// A crown: five points above a band set with four high jewels, the band parted under the
// middle point.
void Crown(B& b) {
  Heights(b, {"1...1..22..1...1",
              "2..121.33.121..2",
              "21.222.33.222.12",
              "2222222..2222222",
              "2.5.2.5225.2.5.2",
              "2222222332222222"});
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

// A terraced temple mound, each terrace set further back, a stairway up its front.
void Ziggurat(B& b) {
  Heights(b, {"......1221......",
              ".....123321.....",
              "...1223333221...",
              "..123455554321..",
              "..12344..44321..",
              ".122222..222221.",
              "1111111..1111111"});
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

// A long boat with a dragon's head at the bow and a row of oarsmen, its hull parted amidships.
void DragonBoat(B& b) {
  Heights(b, {".4.............",
              "544...........3",
              ".33..........44",
              "..3.3.3.3.3.3.3",
              ".444444.4444443",
              "..3222.22223...",
              "..12222.22221.."});
}

// Three tiers of wide eaves under a spire, a door through the middle of each.
void Pagoda(B& b) {
  Heights(b, {".......55.......",
              ".....233332.....",
              "......3443......",
              "...2222..2222...",
              ".....334433.....",
              ".222222..222222.",
              "...1334444331...",
              "1111111..1111111"});
}

// A humped bridge over a river between two banks; the bridge stands clear of the banks.
void MoonBridge(B& b) {
  Heights(b, {"1211........1121",
              "121..........121",
              "1112........2111",
              "122.34555543.221",
              "122.34555543.221",
              "1112........2111",
              "121..........121",
              "1211........1121"});
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
