#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

// 16-bit mono PCM WAV files: the built-in samples, the output tap, the saved exercise and the
// timing probe's click.
class WavFile
{
public:
    /// Writes samples at rate frames per second; false when the file could not be written.
    static bool WriteMono16(const std::filesystem::path& path, int rate,
                            std::span<const std::int16_t> samples);
    /// Reads a file written by WriteMono16 into rate and samples; false when it is not one.
    static bool ReadMono16(const std::filesystem::path& path, int& rate,
                           std::vector<std::int16_t>& samples);
    /// The whole file of samples at rate frames per second, header and data.
    static std::string Bytes(int rate, std::span<const std::int16_t> samples);
    /// A level -1..1 (clipped beyond) as a 16-bit sample.
    static std::int16_t ToSample(double level);
    /// A frame of the mixer's output (clipped beyond -1..1) as a 16-bit sample, rounded as the
    /// output tap and the saved exercise round it.
    static std::int16_t FromMixed(float level);
};
