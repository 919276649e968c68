#include "WavFile.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

constexpr std::size_t kHeaderBytes = 44;

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

std::uint32_t GetLittleEndian(const unsigned char* bytes, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | bytes[i];
    }
    return value;
}

} // namespace

bool WavFile::WriteMono16(const std::filesystem::path& path, int rate,
                          std::span<const std::int16_t> samples)
{
    std::ofstream out(path, std::ios::binary);
    if (!out) {
        return false;
    }
    const std::string bytes = Bytes(rate, samples);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    return static_cast<bool>(out);
}

std::string WavFile::Bytes(int rate, std::span<const std::int16_t> samples)
{
    std::string out;
    out.reserve(kHeaderBytes + samples.size() * 2);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    const auto frameRate = static_cast<std::uint32_t>(rate);
    out.append("RIFF", 4);
    PutLittleEndian(out, 36 + dataBytes, 4);
    out.append("WAVEfmt ", 8);
    PutLittleEndian(out, 16, 4);
    PutLittleEndian(out, 1, 2); // PCM
    PutLittleEndian(out, 1, 2); // mono
    PutLittleEndian(out, frameRate, 4);
    PutLittleEndian(out, frameRate * 2, 4); // bytes per second
    PutLittleEndian(out, 2, 2);             // bytes per frame
    PutLittleEndian(out, 16, 2);            // bits per sample
    out.append("data", 4);
    PutLittleEndian(out, dataBytes, 4);
    for (std::int16_t sample : samples) {
        PutLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
    }
    return out;
}

bool WavFile::ReadMono16(const std::filesystem::path& path, int& rate,
                         std::vector<std::int16_t>& samples)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                           std::istreambuf_iterator<char>());
    if (bytes.size() < kHeaderBytes || std::memcmp(bytes.data(), "RIFF", 4) != 0) {
        return false;
    }
    rate = static_cast<int>(GetLittleEndian(&bytes[24], 4));
    samples.clear();
    samples.reserve((bytes.size() - kHeaderBytes) / 2);
    for (std::size_t i = kHeaderBytes; i + 1 < bytes.size(); i += 2) {
        samples.push_back(static_cast<std::int16_t>(GetLittleEndian(&bytes[i], 2)));
    }
    return true;
}

std::int16_t WavFile::ToSample(double level)
{
    return static_cast<std::int16_t>(std::lround(std::clamp(level, -1.0, 1.0) * 32767.0));
}

std::int16_t WavFile::FromMixed(float level)
{
    return static_cast<std::int16_t>(std::lrint(std::clamp(level, -1.0f, 1.0f) * 32767.0f));
}
