// Both banks of small configurations against bytes worked out by hand.
#include "ConfigImageTestSupport.h"

#include "core/ConfigImage.h"

#include <gtest/gtest.h>

namespace {

class ConfigImageGolden : public ::testing::TestWithParam<const char*> {};

TEST_P(ConfigImageGolden, MatchesExpectedBytes)
{
    const QString dir = Images_Data_Dir(QString::fromLatin1(GetParam()));
    TConfigFolder folder(dir);
    ASSERT_NO_THROW(Build_Config_Image());
    EXPECT_EQ(Compare_With_Expected(dir + QStringLiteral("/expected.txt")).toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(Cases, ConfigImageGolden,
                         ::testing::Values("empty", "bacnet_ip", "long_desc", "mstp", "enocean",
                                           "enocean_negative_case"),
                         [](const auto& info) { return std::string(info.param); });

// Nothing of one build reaches the next: after a configuration with long
// descriptions, one without files builds the short layout again.
TEST(ConfigImageBuild, EarlierBuildLeavesNoTrace)
{
    {
        TConfigFolder long_desc(Images_Data_Dir(QStringLiteral("long_desc")));
        Build_Config_Image();
        ASSERT_TRUE(Long_Desc);
    }
    {
        TConfigFolder enocean(Images_Data_Dir(QStringLiteral("enocean")));
        Build_Config_Image();
    }
    const QString dir = Images_Data_Dir(QStringLiteral("empty"));
    TConfigFolder empty(dir);
    Build_Config_Image();
    EXPECT_FALSE(Long_Desc);
    EXPECT_EQ(Compare_With_Expected(dir + QStringLiteral("/expected.txt")).toStdString(), "");
}

TEST(ConfigImageEnOcean, DataEncryptionCodes)
{
    const struct {
        int In;
        int Out;
    } cases[] = {{0, 0}, {1, 3}, {2, 4}, {3, 0}, {5, 0}, {-1, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(Conv_DataCript(c.In), c.Out) << c.In;
}

} // namespace
