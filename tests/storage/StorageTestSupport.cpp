#include "StorageTestSupport.h"

#include <fstream>
#include <iterator>
#include <random>

void StorageTest::SetUp()
{
    previous = std::filesystem::current_path();
    std::random_device random;
    folder = std::filesystem::temp_directory_path() /
             ("pinto-storage-" + std::to_string(random()) + "-" + std::to_string(random()));
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
}

void StorageTest::TearDown()
{
    std::filesystem::current_path(previous);
    std::error_code error;
    std::filesystem::remove_all(folder, error);
}

void StorageTest::WriteFile(const std::string& fileName, const std::string& bytes)
{
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string StorageTest::ReadFile(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::filesystem::path StorageTest::DataPath(const std::string& relative)
{
    return std::filesystem::path(TEST_DATA_DIR) / "storage" / relative;
}

std::string StorageTest::CrLf(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}
