// kp_wavgen: writes the two ring tones the call windows play, as 16-bit PCM mono WAV files.
//
//   kp_wavgen <output folder>
//
//   Ring.wav      incoming call and invitations: a soft two-tone chime for 2 s, then 1 s of quiet
//                 (the windows loop it).
//   RingBack.wav  heard while the other side rings: 425 Hz for 1 s, then 4 s of quiet.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

void put16(std::ofstream& out, std::uint16_t v)
{
    const char b[2] = { static_cast<char>(v & 0xff), static_cast<char>(v >> 8) };
    out.write(b, 2);
}

void put32(std::ofstream& out, std::uint32_t v)
{
    const char b[4] = { static_cast<char>(v & 0xff), static_cast<char>((v >> 8) & 0xff),
        static_cast<char>((v >> 16) & 0xff), static_cast<char>((v >> 24) & 0xff) };
    out.write(b, 4);
}

bool writeWav(const std::string& path, int rate, const std::vector<double>& samples)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVE", 4);
    out.write("fmt ", 4);
    put32(out, 16); // PCM header size
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, static_cast<std::uint32_t>(rate));
    put32(out, static_cast<std::uint32_t>(rate * 2)); // byte rate
    put16(out, 2); // block align
    put16(out, 16); // bits per sample
    out.write("data", 4);
    put32(out, dataBytes);
    for (double s : samples) {
        const double clamped = std::fmax(-1.0, std::fmin(1.0, s));
        put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(clamped * 32767.0))));
    }
    return static_cast<bool>(out);
}

// A struck note: quick attack, exponential decay, a little second harmonic for warmth,
// and a short fade at the end so that notes join without clicks.
void addNote(std::vector<double>& buf, int rate, double start, double length, double freq, double gain)
{
    const int first = static_cast<int>(start * rate);
    const int count = static_cast<int>(length * rate);
    const int fade = rate / 100; // 10 ms
    for (int i = 0; i < count && first + i < static_cast<int>(buf.size()); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double attack = std::fmin(1.0, t / 0.008);
        const double release = i > count - fade ? static_cast<double>(count - i) / fade : 1.0;
        const double envelope = attack * release * std::exp(-t * 4.0);
        const double wave = std::sin(2 * kPi * freq * t) + 0.25 * std::sin(2 * kPi * 2 * freq * t);
        buf[first + i] += gain * envelope * wave / 1.25;
    }
}

std::vector<double> ring(int rate)
{
    // Eight notes alternating E6 and C#6 over 2 s, then 1 s of quiet.
    std::vector<double> buf(static_cast<std::size_t>(rate * 3), 0.0);
    const double notes[2] = { 1318.5, 1108.7 };
    for (int n = 0; n < 8; ++n)
        addNote(buf, rate, n * 0.25, 0.25, notes[n % 2], 0.6);
    return buf;
}

std::vector<double> ringBack(int rate)
{
    // 425 Hz for 1 s with 10 ms ramps, then 4 s of quiet.
    std::vector<double> buf(static_cast<std::size_t>(rate * 5), 0.0);
    const int on = rate;
    const int ramp = rate / 100;
    for (int i = 0; i < on; ++i) {
        const double edge
            = std::fmin(1.0, std::fmin(static_cast<double>(i) / ramp, static_cast<double>(on - i) / ramp));
        buf[i] = 0.5 * edge * std::sin(2 * kPi * 425.0 * i / rate);
    }
    return buf;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kp_wavgen <output folder>\n");
        return 2;
    }
    const std::string dir = argv[1];
    const std::string sep = (!dir.empty() && (dir.back() == '/' || dir.back() == '\\')) ? "" : "/";
    const std::string ringPath = dir + sep + "Ring.wav";
    const std::string ringBackPath = dir + sep + "RingBack.wav";
    if (!writeWav(ringPath, 22050, ring(22050))) {
        std::fprintf(stderr, "kp_wavgen: cannot write %s\n", ringPath.c_str());
        return 1;
    }
    if (!writeWav(ringBackPath, 16000, ringBack(16000))) {
        std::fprintf(stderr, "kp_wavgen: cannot write %s\n", ringBackPath.c_str());
        return 1;
    }
    return 0;
}
