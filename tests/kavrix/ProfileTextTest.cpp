#include "ProfileText.h"
#include "AlgoArray.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

class ProfileTextTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto *test = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::path(::testing::TempDir()) / (std::string("profile_text_") + test->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }

    void TearDown() override
    {
        algoReadProfile(&curve, nullptr, 0);
        fs::remove_all(dir);
    }

    std::string path(const char *name) const { return (dir / name).string(); }

    void writeFile(const char *name, const std::string &content) const
    {
        std::ofstream(path(name), std::ios::binary) << content;
    }

    std::string readFile(const char *name) const
    {
        std::ifstream in(path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::vector<double> heights() const { return {curve.Y, curve.Y + curve.N}; }

    // Holds what the reader allocates; the tear-down releases it, so any
    // buffer the reader replaces without releasing shows up as a leak.
    DataArray curve{0, nullptr, nullptr};
    fs::path dir;
};

TEST_F(ProfileTextTest, WritesOneLineWithoutTrailingCommaOrLineEnd)
{
    double y[] = {1, 2, 3};
    double x[] = {0.5, 1, 1.5};
    const DataArray written{3, y, x};
    ASSERT_TRUE(algoWriteProfile(&written, path("heights.txt").c_str()));
    EXPECT_EQ(readFile("heights.txt"), "1.000000,2.000000,3.000000");
    ASSERT_TRUE(algoWriteAxis(&written, path("axis.txt").c_str()));
    EXPECT_EQ(readFile("axis.txt"), "0.500000,1.000000,1.500000");
}

TEST_F(ProfileTextTest, WrittenProfileReadsBackBitForBit)
{
    std::vector<double> values = {0.1, 1.0 / 3, -2.5e-9, 1e300, -DBL_MAX, DBL_MIN, 5e-324, -0.0, 123456.789, 42};
    for (int i = 0; i < 5000; ++i) {
        values.push_back(std::sin(i * 0.01) * 1234.5678);
    }
    const DataArray written{static_cast<int>(values.size()), values.data(), nullptr};
    ASSERT_TRUE(algoWriteProfile(&written, path("profile.txt").c_str()));

    // A first read leaves buffers behind that the second one must replace.
    writeFile("short.txt", "7");
    ASSERT_TRUE(algoReadProfile(&curve, path("short.txt").c_str(), 1));
    ASSERT_TRUE(algoReadProfile(&curve, path("profile.txt").c_str(), 1));

    ASSERT_EQ(curve.N, static_cast<int>(values.size()));
    EXPECT_EQ(std::memcmp(curve.Y, values.data(), values.size() * sizeof(double)), 0);
    ASSERT_NE(curve.X, nullptr);
    EXPECT_EQ(curve.X[curve.N - 1], 0.0);
}

TEST_F(ProfileTextTest, ReadsCommasAndLineEndsOfAnyLength)
{
    struct Case {
        const char *content;
        std::vector<double> expected;
    };
    const Case cases[] = {
        {"1.5\n-2\r\n3e2\n", {1.5, -2, 300}},
        {"1, 2,\n3,", {1, 2, 3}},
        {"+4\n\n\n0.000000000000000000000000000000000000001000000000000000\n", {4, 1e-39}},
        {"", {}},
    };
    for (const Case &c : cases) {
        writeFile("in.txt", c.content);
        ASSERT_TRUE(algoReadProfile(&curve, path("in.txt").c_str(), 1)) << c.content;
        EXPECT_EQ(heights(), c.expected) << c.content;
    }
}

TEST_F(ProfileTextTest, UnreadableFileLeavesTheCurveEmpty)
{
    writeFile("good.txt", "1,2,3");
    ASSERT_TRUE(algoReadProfile(&curve, path("good.txt").c_str(), 1));

    EXPECT_FALSE(algoReadProfile(&curve, path("missing.txt").c_str(), 1));
    EXPECT_EQ(curve.N, 0);

    ASSERT_TRUE(algoReadProfile(&curve, path("good.txt").c_str(), 1));
    writeFile("bad.txt", "1,abc,3");
    EXPECT_FALSE(algoReadProfile(&curve, path("bad.txt").c_str(), 1));
    EXPECT_EQ(curve.N, 0);

    EXPECT_FALSE(algoReadProfile(&curve, nullptr, 1));
    EXPECT_EQ(curve.N, 0);
}

TEST_F(ProfileTextTest, ReleaseEmptiesTheCurve)
{
    writeFile("good.txt", "1,2,3");
    ASSERT_TRUE(algoReadProfile(&curve, path("good.txt").c_str(), 1));
    EXPECT_TRUE(algoReadProfile(&curve, nullptr, 0));
    EXPECT_EQ(curve.N, 0);
    EXPECT_EQ(curve.X, nullptr);
    EXPECT_EQ(curve.Y, nullptr);
}

TEST_F(ProfileTextTest, EmptyCurveWritesAnEmptyFile)
{
    const DataArray empty{0, nullptr, nullptr};
    ASSERT_TRUE(algoWriteProfile(&empty, path("empty.txt").c_str()));
    EXPECT_EQ(readFile("empty.txt"), "");
    ASSERT_TRUE(algoReadProfile(&curve, path("empty.txt").c_str(), 1));
    EXPECT_EQ(curve.N, 0);
}

TEST_F(ProfileTextTest, WriteToAMissingDirectoryFails)
{
    double y[] = {1};
    const DataArray one{1, y, nullptr};
    EXPECT_FALSE(algoWriteProfile(&one, path("no/such/dir.txt").c_str()));
}

} // namespace
