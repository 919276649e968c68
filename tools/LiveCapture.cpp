#include "LiveCapture.h"

#include "WavFile.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

std::vector<std::int16_t> ReadLive(const std::string& tap)
{
    const char* driver = std::getenv("SDL_AUDIODRIVER");
    const char* disk = std::getenv("SDL_DISKAUDIOFILE");
    std::vector<std::int16_t> samples;
    if (driver && std::strcmp(driver, "disk") == 0 && disk) {
        std::ifstream in(disk, std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                      std::istreambuf_iterator<char>());
        for (std::size_t i = 0; i + sizeof(float) <= bytes.size(); i += sizeof(float)) {
            float value = 0;
            std::memcpy(&value, &bytes[i], sizeof value);
            samples.push_back(WavFile::FromMixed(value));
        }
        return samples;
    }
    int rate = 0;
    WavFile::ReadMono16(tap, rate, samples);
    return samples;
}
