#include <gtest/gtest.h>

#include "project/ProjectStore.h"

TEST(ProjectStore, StartsWithNoProject)
{
    vemora::ProjectStore store;
    EXPECT_FALSE(store.ProjectOpen);
}
