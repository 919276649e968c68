#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

// Runs each test in a fresh empty working folder, since the data files live in the working folder.
class StorageTest : public ::testing::Test
{
public:
    // Writes bytes exactly as given to fileName in the working folder.
    static void WriteFile(const std::string& fileName, const std::string& bytes);
    // Bytes of fileName in the working folder; empty when it is missing.
    static std::string ReadFile(const std::string& fileName);
    // A path below the test data folder tests/data/storage.
    static std::filesystem::path DataPath(const std::string& relative);
    // Joins lines, ending each with CR LF.
    static std::string CrLf(const std::vector<std::string>& lines);
    // Names of library.records from index from on, in list order.
    template <class Library> static std::vector<std::string> Names(const Library& library, int from)
    {
        std::vector<std::string> names;
        for (std::size_t i = static_cast<std::size_t>(from); i < library.records.size(); ++i) {
            names.push_back(library.records[i].name);
        }
        return names;
    }

protected:
    void SetUp() override;
    void TearDown() override;

private:
    std::filesystem::path previous;
    std::filesystem::path folder;
};
