#include "ScaleNameMatch.h"

#include "ScaleLibrary.h"

#include <algorithm>
#include <cctype>
#include <tuple>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Letters to insert, delete or change to turn a into b.
std::size_t EditDistance(const std::string& a, const std::string& b)
{
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) {
        row[j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

} // namespace

std::string ScaleNameMatch::Normalized(const std::string& name)
{
    std::string text;
    bool blank = false;
    for (char c : name) {
        if (IsBlank(c)) {
            blank = !text.empty();
            continue;
        }
        if (blank) {
            text += ' ';
            blank = false;
        }
        text += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return text;
}

bool ScaleNameMatch::Same(const std::string& name, const std::string& typed)
{
    return Normalized(name) == Normalized(typed);
}

std::vector<std::string> ScaleNameMatch::Nearest(const ScaleLibrary& library,
                                                 const std::string& name, int count)
{
    const std::string wanted = Normalized(name);
    // (holds the name? 0 : 1, distance, library index)
    std::vector<std::tuple<int, std::size_t, int>> ranked;
    for (int i = 0; i < library.scaleCount; ++i) {
        const std::string candidate = Normalized(library.records[static_cast<std::size_t>(i)].name);
        const bool holds = !wanted.empty() && candidate.find(wanted) != std::string::npos;
        ranked.emplace_back(holds ? 0 : 1,
                            holds ? candidate.size() : EditDistance(wanted, candidate), i);
    }
    std::sort(ranked.begin(), ranked.end());
    std::vector<std::string> names;
    for (const auto& [holds, distance, index] : ranked) {
        const std::string& found = library.records[static_cast<std::size_t>(index)].name;
        if (static_cast<int>(names.size()) >= count) {
            break;
        }
        if (std::find(names.begin(), names.end(), found) == names.end()) {
            names.push_back(found);
        }
    }
    return names;
}
