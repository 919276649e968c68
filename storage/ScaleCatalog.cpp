#include "ScaleCatalog.h"

#include <algorithm>

namespace {

bool SameNotes(const std::array<int, 12>& a, const std::array<int, 12>& b)
{
    for (std::size_t d = 0; d < a.size(); ++d) {
        if ((a[d] != 0) != (b[d] != 0)) {
            return false;
        }
    }
    return true;
}

} // namespace

ScaleCatalog::ScaleCatalog(const ScaleLibrary& library)
    : m_library(library), m_vocabularyScale(static_cast<std::size_t>(library.scaleCount), -1)
{
    for (std::size_t i = 0; i < library.vocabularyRecords.size(); ++i) {
        const int record = library.vocabularyRecords[i];
        if (record >= 0 && record < library.scaleCount) {
            m_vocabularyScale[static_cast<std::size_t>(record)] = static_cast<int>(i);
        }
    }
}

std::vector<ScaleGroup> ScaleCatalog::Groups(const ScaleFilter& filter) const
{
    std::vector<ScaleGroup> groups;
    auto add = [&](std::string title, const std::vector<int>& records, bool keepEmpty) {
        ScaleGroup group{std::move(title), {}};
        for (int record : records) {
            if (filter.MatchesAny(Names(record))) {
                group.records.push_back(record);
            }
        }
        if (!group.records.empty() || (keepEmpty && filter.IsEmpty())) {
            groups.push_back(std::move(group));
        }
    };
    auto range = [](int from, int to) {
        std::vector<int> records;
        for (int record = from; record < to; ++record) {
            records.push_back(record);
        }
        return records;
    };
    const int builtIns = std::min(BUILT_IN_SCALE_COUNT, m_library.presetCount);
    int vocabularyStart = m_library.presetCount;
    for (int record : m_library.vocabularyRecords) {
        if (record >= builtIns) {
            vocabularyStart = std::min(vocabularyStart, record);
        }
    }
    add(kBuiltInTitle, range(0, builtIns), false);
    add(kPresetTitle, range(builtIns, vocabularyStart), false);
    for (int family = 0; family < static_cast<int>(m_library.vocabulary.families.size());
         ++family) {
        add(m_library.vocabulary.families[static_cast<std::size_t>(family)].name,
            FamilyRecords(family), false);
    }
    add(kUserTitle, range(m_library.presetCount, m_library.scaleCount), true);
    return groups;
}

std::vector<std::string> ScaleCatalog::Names(int record) const
{
    const ScaleRecord* scale = m_library.Record(record);
    if (scale == nullptr) {
        return {};
    }
    std::vector<std::string> names{scale->name};
    if (const VocabularyScale* entry = Entry(record)) {
        names.insert(names.end(), entry->aliases.begin(), entry->aliases.end());
    }
    return names;
}

const VocabularyScale* ScaleCatalog::Entry(int record) const
{
    if (record < 0 || record >= static_cast<int>(m_vocabularyScale.size())) {
        return nullptr;
    }
    const int index = m_vocabularyScale[static_cast<std::size_t>(record)];
    return index < 0 ? nullptr : &m_library.vocabulary.scales[static_cast<std::size_t>(index)];
}

int ScaleCatalog::FamilyOf(int record) const
{
    const ScaleRecord* scale = m_library.Record(record);
    if (scale == nullptr) {
        return -1;
    }
    if (const VocabularyScale* entry = Entry(record)) {
        return entry->family;
    }
    for (const VocabularyScale& entry : m_library.vocabulary.scales) {
        if (SameNotes(entry.degrees, scale->degrees)) {
            return entry.family;
        }
    }
    return -1;
}

std::vector<int> ScaleCatalog::FamilyRecords(int family) const
{
    const std::vector<ScaleFamily>& families = m_library.vocabulary.families;
    if (family < 0 || family >= static_cast<int>(families.size())) {
        return {};
    }
    std::vector<int> records;
    for (int index : families[static_cast<std::size_t>(family)].scales) {
        if (index >= 0 && index < static_cast<int>(m_library.vocabularyRecords.size())) {
            records.push_back(m_library.vocabularyRecords[static_cast<std::size_t>(index)]);
        }
    }
    return records;
}
