#include "PositionList.h"

#include <gtest/gtest.h>

namespace {

std::vector<FretPosition> Contents(const PositionList& list)
{
    std::vector<FretPosition> result;
    for (int i = 0; i < list.Count(); ++i)
        result.push_back(list.At(i));
    return result;
}

TEST(PositionList, AddReportsPresenceAndKeepsPositionsUnique)
{
    PositionList list;
    EXPECT_FALSE(list.Add(2, 5));
    EXPECT_FALSE(list.Add(5, 2)); // string and fret are not interchangeable
    EXPECT_TRUE(list.Add(2, 5));
    EXPECT_EQ(Contents(list), (std::vector<FretPosition>{{5, 2}, {2, 5}}));
}

TEST(PositionList, ToggleTwiceRestoresTheList)
{
    PositionList list;
    list.Add(0, 1);
    list.Toggle(2, 5);
    EXPECT_EQ(list.Count(), 2);
    list.Toggle(2, 5);
    EXPECT_EQ(Contents(list), (std::vector<FretPosition>{{1, 0}}));
}

TEST(PositionList, RemoveKeepsTheOrderOfTheOthers)
{
    PositionList list;
    list.Add(0, 1);
    list.Add(1, 2);
    list.Add(2, 3);
    EXPECT_TRUE(list.Remove(1, 2));
    EXPECT_FALSE(list.Remove(1, 2));
    EXPECT_EQ(Contents(list), (std::vector<FretPosition>{{1, 0}, {3, 2}}));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

} // namespace
