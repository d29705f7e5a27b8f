#include <gtest/gtest.h>

#include "project/ProjectStore.h"

TEST(ProjectStore, StartsWithNoProject)
{
    vemora::ProjectStore store;
    EXPECT_EQ(store.ProjectOpen, 0);
    EXPECT_EQ(store.ProjectRecordLength, 16650);
}
