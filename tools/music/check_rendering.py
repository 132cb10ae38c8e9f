#!/usr/bin/env python3
"""Renders pieces with the game's synthesizer and reports how they sound, in numbers.

    tools/music/check_rendering.py <audio_bench> <piece.mid>... [--keep <folder>] [--parts]

audio_bench (bench/audio, configure with -DSORIMO_BENCH=ON) renders each piece exactly as
the game plays it. For each piece this prints its length, the peak and RMS level, the level
every ten seconds, the longest quiet stretch, and the level on both sides of the loop, where
the game starts the piece again while its last notes still ring. It fails (exit status 1)
when a piece clips, lasts less than 60 or more than 180 seconds, falls quiet for more than
four seconds, or changes level by more than 12 dB where it loops.
--keep writes each rendering as <name>.wav into the folder, to listen to.
--parts also renders each part alone and prints its level while it plays: the balance of
the parts (a tune some dB above its accompaniment) without ears.
"""

import array
import math
import os
import struct
import subprocess
import sys
import tempfile
import wave

QUIET_DB = -50.0
LONGEST_QUIET_S = 4.0
LOOP_STEP_DB = 12.0
WINDOW_S = 0.5


def render(bench, piece, seconds, wav_path):
    """Renders with audio_bench; returns its report and the samples (16-bit stereo)."""
    report = subprocess.run([bench, "music", piece, str(seconds), wav_path],
                            check=True, capture_output=True, text=True).stdout
    with wave.open(wav_path) as w:
        rate = w.getframerate()
        samples = array.array("h", w.readframes(w.getnframes()))
    if sys.byteorder == "big":
        samples.byteswap()
    return report, rate, samples


def split_tracks(path):
    """The file's header and its track chunks."""
    data = open(path, "rb").read()
    pos = 8 + struct.unpack(">I", data[4:8])[0]
    tracks = []
    while pos < len(data):
        length = struct.unpack(">I", data[pos + 4:pos + 8])[0]
        tracks.append(data[pos:pos + 8 + length])
        pos += 8 + length
    return data[:14], tracks


def part_levels(bench, piece, seconds, folder):
    """Each part alone (the tempo track and its own): its level over the seconds it sounds."""
    header, tracks = split_tracks(piece)
    for track in tracks[1:]:
        name = track[12:12 + track[11]].decode(errors="replace") if track[9:11] == b"\xff\x03" else "?"
        solo = os.path.join(folder, "part.mid")
        with open(solo, "wb") as f:
            f.write(header[:10] + struct.pack(">H", 2) + header[12:14] + tracks[0] + track)
        _, rate, samples = render(bench, solo, seconds, os.path.join(folder, "part.wav"))
        window = rate * 2
        sounding = [rms(samples[i:i + window]) for i in range(0, len(samples) - window + 1, window)]
        sounding = [r for r in sounding if db(r) > -60]
        level = math.sqrt(sum(r * r for r in sounding) / len(sounding)) if sounding else 0
        print("           %-18s %6.1f dBFS over %3d s" % (name, db(level), len(sounding)))


def midi_seconds(path):
    """The piece's length: its last event, timed by its tempo changes."""
    data = open(path, "rb").read()
    if data[:4] != b"MThd":
        raise ValueError(path + ": not a Standard MIDI File")
    division = struct.unpack(">H", data[12:14])[0]
    pos = 8 + struct.unpack(">I", data[4:8])[0]
    tempos = []  # (tick, microseconds per beat)
    last = 0
    while pos < len(data):
        length = struct.unpack(">I", data[pos + 4:pos + 8])[0]
        track = data[pos + 8:pos + 8 + length]
        pos += 8 + length
        i, tick, status = 0, 0, 0
        while i < len(track):
            delta = 0
            while True:
                b = track[i]
                i += 1
                delta = (delta << 7) | (b & 0x7F)
                if b < 0x80:
                    break
            tick += delta
            if track[i] >= 0x80:
                status = track[i]
                i += 1
            if status == 0xFF:
                kind = track[i]
                size = 0
                i += 1
                while True:
                    b = track[i]
                    i += 1
                    size = (size << 7) | (b & 0x7F)
                    if b < 0x80:
                        break
                if kind == 0x51:
                    tempos.append((tick, int.from_bytes(track[i:i + 3], "big")))
                i += size
            elif status in (0xF0, 0xF7):
                size = track[i]
                i += 1 + size
            else:
                i += 1 if status & 0xF0 in (0xC0, 0xD0) else 2
        last = max(last, tick)
    tempos.sort()
    seconds, at, tempo = 0.0, 0, 500000
    for tick, value in tempos:
        if tick >= last:
            break
        seconds += (tick - at) * tempo / division / 1e6
        at, tempo = tick, value
    return seconds + (last - at) * tempo / division / 1e6


def db(value):
    return 20 * math.log10(max(value, 1e-9) / 32768.0)


def rms(samples):
    if not samples:
        return 0.0
    return math.sqrt(sum(v * v for v in samples) / len(samples))


def check(bench, piece, keep, parts):
    name = os.path.splitext(os.path.basename(piece))[0]
    length = midi_seconds(piece)
    with tempfile.TemporaryDirectory() as folder:
        wav_path = os.path.join(keep, name + ".wav") if keep else os.path.join(folder, name + ".wav")
        report, rate, samples = render(bench, piece, length + 6, wav_path)
        if parts:
            print("%s, each part alone:" % name)
            part_levels(bench, piece, length, folder)
    end = int(length * rate) * 2
    # The loop as the game plays it: the piece again from the end, its last notes ringing on.
    looped = array.array("h", samples[:end])
    tail = samples[end:]
    for i in range(min(len(tail), end)):
        looped.append(max(-32768, min(32767, samples[i] + tail[i])))
    piece_samples = samples[:end]
    peak = max(abs(v) for v in piece_samples)
    window = int(WINDOW_S * rate) * 2
    levels = [db(rms(piece_samples[i:i + window])) for i in range(0, end - window + 1, window)]
    quiet, longest = 0, 0
    for level in levels:
        quiet = quiet + 1 if level < QUIET_DB else 0
        longest = max(longest, quiet)
    before = db(rms(looped[end - 3 * window:end]))
    after = db(rms(looped[end:end + 3 * window]))
    profile = " ".join("%.0f" % db(rms(piece_samples[i:i + 20 * window])) for i in range(0, end, 20 * window))
    problems = []
    if peak >= 32767:
        problems.append("clips")
    if not 60 <= length <= 180:
        problems.append("lasts %.1f s" % length)
    if longest * WINDOW_S > LONGEST_QUIET_S:
        problems.append("quiet for %.1f s" % (longest * WINDOW_S))
    if abs(before - after) > LOOP_STEP_DB:
        problems.append("the loop steps %.1f dB" % (after - before))
    print("%-10s %6.1f s  peak %6.1f dBFS  RMS %6.1f dBFS  longest quiet %4.1f s  loop %6.1f -> %6.1f dB" %
          (name, length, db(peak), db(rms(piece_samples)), longest * WINDOW_S, before, after))
    print("           every 10 s: %s" % profile)
    print("           audio_bench: %s" % report.strip().splitlines()[-1])
    for p in problems:
        print("           PROBLEM: " + p)
    return not problems


def main(argv):
    keep = None
    parts = "--parts" in argv
    if parts:
        argv.remove("--parts")
    if "--keep" in argv:
        at = argv.index("--keep")
        keep = argv[at + 1]
        del argv[at:at + 2]
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    ok = True
    for piece in argv[2:]:
        ok = check(argv[1], piece, keep, parts) and ok
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
