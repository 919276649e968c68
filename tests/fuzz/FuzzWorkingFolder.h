#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A private temporary working folder for a fuzz target, entered on first use, since the readers
// open their files by bare name in the working folder.
class FuzzWorkingFolder
{
public:
    // Enters the folder (created once per process) and writes size bytes of data to fileName.
    static void Write(const std::string& fileName, const std::uint8_t* data, std::size_t size);
};
