// The pieces shipped in data/Musics/, each composed by a function of its own.
#pragma once

#include <string>
#include <vector>

#include "piece.h"

namespace music {

// "Night": a slow A minor nocturne. Flute over a warm pad, a bass and a koto that joins on
// the second verse; form A A' B A, 32 bars at 66 beats a minute (about two minutes), the
// last bar leading back into the first so the piece loops without a seam.
Piece Night();

// "Day": a bright D major tune at 112 beats a minute for marimba, with an ocarina, a nylon
// guitar, a bass and strings; the verses keep to the pentatonic scale. Intro, A A' B A'' A',
// tag; 48 bars (103 s).
Piece Day();

// "Tea House": an F major waltz at 88 beats a minute on the pentatonic F G A C D; a koto
// over a rolling harp and a bass, a shakuhachi taking the bridge, slow strings joining.
// Intro, A A' B B' A', coda; 48 bars of three (98 s).
Piece TeaHouse();

// "Festival": a G yo-scale dance at 132 beats a minute; a shanai's tune over a shamisen's
// running quavers, plucked strings, a bass, a taiko and small percussion (wood blocks,
// tambourine, claps, a Chinese cymbal). Intro, A A' B B', drum break, A A', tag; 60 bars
// (109 s).
Piece Festival();

// "Rain": E minor at 72 beats a minute; a piano sings over an electric piano's falling
// quavers, a fretless bass and a halo pad, with a cello below and celesta drops above. The
// verses on the minor pentatonic, the bridge in the relative major. Intro, A A' B A', outro;
// 36 bars (120 s).
Piece Rain();

// "Dawn": E flat major at 63 beats a minute, on its pentatonic; a pan flute over a dulcimer's
// quavers, a new age pad and a bowed bass, a horn below, strings and bells as the light
// grows, fading back to the first light at the end. Intro, A A' B A', coda; 36 bars (137 s).
Piece Dawn();

struct NamedPiece {
  std::string name;  // the file's name without ".mid", as the Music menu shows it
  Piece piece;
};

// Every piece, in the order they are written.
std::vector<NamedPiece> Pieces();

}  // namespace music
