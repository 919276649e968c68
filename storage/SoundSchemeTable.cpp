#include "SoundSchemeTable.h"

const std::string& SoundSchemeTable::Path(int slot, int entry) const
{
    static const std::string none;
    if (slot < 0 || slot >= static_cast<int>(schemeSlots.size()) || entry < 0 || entry >= 24) {
        return none;
    }
    return schemeSlots[static_cast<std::size_t>(slot)][static_cast<std::size_t>(entry)];
}
