#include "tests/audio/smf_reader.h"

#include <algorithm>
#include <utility>

namespace sorimo::testing {

namespace {

class Reader {
 public:
  Reader(const std::vector<uint8_t>& bytes, size_t from, size_t to) : bytes_(bytes), at_(from), end_(to) {}
  bool done() const { return at_ >= end_; }
  bool Take(int& value) {
    if (at_ >= end_) return false;
    value = bytes_[at_++];
    return true;
  }
  bool Big(size_t count, uint32_t& value) {
    value = 0;
    for (size_t i = 0; i < count; ++i) {
      int b = 0;
      if (!Take(b)) return false;
      value = value << 8 | uint32_t(b);
    }
    return true;
  }
  bool VarLen(uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
      int b = 0;
      if (!Take(b)) return false;
      value = value << 7 | uint32_t(b & 0x7F);
      if (b < 0x80) return true;
    }
    return false;
  }
  bool Skip(size_t count, std::vector<uint8_t>* into = nullptr) {
    if (end_ - at_ < count) return false;
    if (into) into->assign(bytes_.begin() + long(at_), bytes_.begin() + long(at_ + count));
    at_ += count;
    return true;
  }
  size_t at() const { return at_; }

 private:
  const std::vector<uint8_t>& bytes_;
  size_t at_, end_;
};

std::string ReadTrack(Reader& r, std::vector<SmfEvent>& events) {
  long tick = 0;
  int running = 0;
  while (!r.done()) {
    uint32_t delta = 0;
    if (!r.VarLen(delta)) return "a bad delta time";
    tick += long(delta);
    SmfEvent e;
    e.tick = tick;
    int first = 0;  // the status, or under running status the first data byte
    if (!r.Take(first)) return "an event cut short";
    if (first >= 0x80) {
      e.status = first;
      if (first < 0xF0) running = first;
      first = -1;
    } else if (running == 0) {
      return "running status with no status";
    } else {
      e.status = running;
    }
    if (e.status == 0xFF) {
      uint32_t length = 0;
      if (!r.Take(e.data1) || !r.VarLen(length) || !r.Skip(length, &e.meta)) return "a meta event cut short";
      events.push_back(e);
      if (e.data1 == 0x2F) return r.done() ? "" : "events after the end of the track";
      continue;
    }
    if (e.status == 0xF0 || e.status == 0xF7) {
      uint32_t length = 0;
      if (!r.VarLen(length) || !r.Skip(length)) return "a system exclusive event cut short";
      continue;
    }
    if (e.status > 0xF0) return "a system message in a file";
    if (first < 0 && !r.Take(first)) return "an event cut short";
    e.data1 = first;
    const int kind = e.status & 0xF0;
    if (kind != 0xC0 && kind != 0xD0 && !r.Take(e.data2)) return "an event cut short";
    if (e.data1 > 127 || e.data2 > 127) return "a data byte above 127";
    events.push_back(e);
  }
  return "a track without its end";
}

}  // namespace

SmfFile ReadSmf(const std::vector<uint8_t>& bytes) {
  SmfFile file;
  Reader r(bytes, 0, bytes.size());
  uint32_t tag = 0, length = 0, format = 0, count = 0, division = 0;
  if (!r.Big(4, tag) || tag != 0x4D546864 || !r.Big(4, length) || length < 6 || !r.Big(2, format) ||
      !r.Big(2, count) || !r.Big(2, division) || !r.Skip(length - 6)) {
    file.error = "no header";
    return file;
  }
  file.format = int(format);
  file.ticksPerBeat = int(division);
  if (format > 1 || division == 0 || division >= 0x8000) {
    file.error = "a format or a time division this reader does not play";
    return file;
  }
  for (uint32_t t = 0; t < count; ++t) {
    if (!r.Big(4, tag) || tag != 0x4D54726B || !r.Big(4, length) || r.at() + length > bytes.size()) {
      file.error = "track " + std::to_string(t) + ": no chunk";
      return file;
    }
    Reader track(bytes, r.at(), r.at() + length);
    file.tracks.emplace_back();
    const std::string error = ReadTrack(track, file.tracks.back());
    if (!error.empty()) {
      file.error = "track " + std::to_string(t) + ": " + error;
      return file;
    }
    r.Skip(length);
  }
  if (!r.done()) file.error = "bytes after the last track";
  return file;
}

double SmfSeconds(const SmfFile& file, long tick) {
  std::vector<std::pair<long, double>> tempos;  // tick, microseconds a beat
  for (const auto& track : file.tracks)
    for (const SmfEvent& e : track)
      if (e.status == 0xFF && e.data1 == 0x51 && e.meta.size() == 3)
        tempos.push_back({e.tick, double(e.meta[0] << 16 | e.meta[1] << 8 | e.meta[2])});
  std::stable_sort(tempos.begin(), tempos.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  double seconds = 0, tempo = 500000;
  long at = 0;
  for (const auto& [when, value] : tempos) {
    if (when >= tick) break;
    seconds += double(when - at) * tempo / file.ticksPerBeat / 1e6;
    at = when, tempo = value;
  }
  return seconds + double(tick - at) * tempo / file.ticksPerBeat / 1e6;
}

}  // namespace sorimo::testing
