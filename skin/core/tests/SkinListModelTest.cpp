#include "skin/core/SkinListModel.h"

#include <gtest/gtest.h>

namespace {

SkinListModel ThreeRows() {
    SkinListModel list;
    list.Add("alpha", 10);
    list.Add("beta", 20);
    list.Add("gamma", 30);
    return list;
}

TEST(SkinListModel_Rename, ReinsertsWithTheOldValueAndReports) {
    SkinListModel list = ThreeRows();
    list.Select(1);
    ASSERT_TRUE(list.BeginRename());
    EXPECT_EQ(list.EditLength(), 20);
    const ListEditOutcome outcome = list.Commit("Burst fire");
    EXPECT_TRUE(outcome.rowRemoved);
    EXPECT_TRUE(outcome.rowReinserted);
    EXPECT_TRUE(outcome.notifyRenamed);
    EXPECT_EQ(outcome.index, 1u);
    ASSERT_EQ(list.Rows().size(), 3u);
    EXPECT_EQ(list.Rows()[1].text, "Burst fire");
    EXPECT_EQ(list.Rows()[1].value, 20u);
    EXPECT_EQ(list.Selected(), std::optional<size_t>(1));
    EXPECT_EQ(list.Editing(), ListEditKind::None);
}

TEST(SkinListModel_Rename, ToEmptyTextRemovesTheRowSilently) {
    SkinListModel list = ThreeRows();
    list.Select(0);
    ASSERT_TRUE(list.BeginRename());
    const ListEditOutcome outcome = list.Commit("");
    EXPECT_TRUE(outcome.rowRemoved);
    EXPECT_FALSE(outcome.rowReinserted);
    EXPECT_FALSE(outcome.notifyRenamed);
    ASSERT_EQ(list.Rows().size(), 2u);
    EXPECT_EQ(list.Rows()[0].text, "beta");
    EXPECT_FALSE(list.Selected().has_value());
}

TEST(SkinListModel_Cancel, DropsANewRowButKeepsARenamedOne) {
    SkinListModel list = ThreeRows();
    const size_t row = list.BeginNewRow();
    EXPECT_EQ(row, 3u);
    EXPECT_EQ(list.EditLength(), 15);
    EXPECT_TRUE(list.Cancel().rowRemoved);
    EXPECT_EQ(list.Rows().size(), 3u);

    list.Select(2);
    ASSERT_TRUE(list.BeginRename());
    const ListEditOutcome outcome = list.Cancel();
    EXPECT_FALSE(outcome.rowRemoved);
    EXPECT_FALSE(outcome.notifyRenamed);
    EXPECT_EQ(list.Rows()[2].text, "gamma");
}

TEST(SkinListModel_NewRow, CommitCutsTheTextToItsLimit) {
    SkinListModel list;
    list.BeginNewRow();
    EXPECT_FALSE(list.BeginRename());  // one edit at a time
    const ListEditOutcome outcome = list.Commit("A very long macro name");
    EXPECT_TRUE(outcome.notifyRenamed);
    ASSERT_EQ(list.Rows().size(), 1u);
    EXPECT_EQ(list.Rows()[0].text, "A very long mac");
}

TEST(SkinListModel_Selection, FollowsInsertsAndRemovals) {
    SkinListModel list = ThreeRows();
    list.Select(2);
    list.Insert(0, "zero", 0);
    EXPECT_EQ(list.Selected(), std::optional<size_t>(3));
    EXPECT_TRUE(list.Remove(1));
    EXPECT_EQ(list.Selected(), std::optional<size_t>(2));
    EXPECT_FALSE(list.Remove(9));
    list.Select(7);
    EXPECT_FALSE(list.Selected().has_value());
    EXPECT_FALSE(list.BeginRename());
    EXPECT_EQ(list.Insert(99, "end", 5), 3u);
}

}  // namespace
