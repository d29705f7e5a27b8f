// The node-type names of the profile's description column.
#include <gtest/gtest.h>

#include "project/NodeTypes.h"

namespace vemora {
namespace {

TEST(NodeTypeNames, PaddedToTwentyCharactersAndMappedBack)
{
    EXPECT_EQ(NodeTypeNames(8), std::string("22.5° bend") + std::string(10, ' '));
    EXPECT_EQ(NodeTypeNames(0), std::string("Node") + std::string(16, ' '));
    EXPECT_EQ(NodeTypeNames(9), std::string("T-junction") + std::string(10, ' '));
    EXPECT_EQ(NodeTypeNames(-1), "");
    EXPECT_EQ(NodeTypeNames(10), "");
    EXPECT_EQ(NodeTypeCodeOf("Pumpstation"), 2);
    EXPECT_EQ(NodeTypeCodeOf(NodeTypeNames(6)), 6);
    EXPECT_EQ(NodeTypeCodeOf("pumpstation"), 0);
    EXPECT_EQ(NodeTypeCodeOf(""), 0);
    EXPECT_EQ(NodeTypeCodeOf("Valve"), 0);
}

} // namespace
} // namespace vemora
