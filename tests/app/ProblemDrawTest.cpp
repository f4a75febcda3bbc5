// The problems "出題" draws: uniform over the ordered triples that the
// difficulty level accepts, and a draw that ends at every slider position.
#include <cmath>
#include <map>

#include "tests/support/LessonFixture.h"

namespace {

struct Triple {
    int n1, n2, n3;
    int Product() const { return n1 * n2 * n3; }
    int Key() const { return n1 * 100 + n2 * 10 + n3; }
};

// The upper 0.1 % point of the chi-square distribution with `df` degrees of
// freedom (Wilson–Hilferty), so a fair generator fails one seed in a thousand.
double ChiSquareCritical(int df) {
    constexpr double z = 3.0902;
    const double v = 2.0 / (9.0 * df);
    return df * std::pow(1 - v + z * std::sqrt(v), 3);
}

class ProblemDrawTest : public LessonTest {
protected:
    void SetUp() override {
        LessonTest::SetUp();
        lesson().Activate();
        RandSeed(0x7A12);
    }
    Triple Draw() {
        lesson().btnStep1->Click();
        return {StrToInt(lesson().txtNbr1->Text()), StrToInt(lesson().txtNbr2->Text()),
                StrToInt(lesson().txtNbr3->Text())};
    }
};

// Every ordered triple of different numbers from 2 to 9 that a level accepts.
std::map<int, int> AcceptedTriples(bool hard) {
    std::map<int, int> counts;
    for (int a = 2; a <= 9; ++a)
        for (int b = 2; b <= 9; ++b)
            for (int c = 2; c <= 9; ++c) {
                const Triple t{a, b, c};
                if (a != b && b != c && a != c && (t.Product() >= 100) == hard) counts[t.Key()] = 0;
            }
    return counts;
}

struct LevelCase {
    const char* name;
    float slider;
    std::size_t triples;
    int smallestProduct, largestProduct;
};

class LevelDraws : public ProblemDrawTest, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(LevelDraws, AreUniformOverTheTriplesTheLevelAccepts) {
    const LevelCase& level = GetParam();
    lesson().tbDifficult->SetValue(level.slider);
    std::map<int, int> counts = AcceptedTriples(level.slider >= 2);
    ASSERT_EQ(counts.size(), level.triples);

    constexpr int kDrawsPerTriple = 40;
    const int draws = int(counts.size()) * kDrawsPerTriple;
    int smallest = 1000, largest = 0;
    for (int i = 0; i < draws; ++i) {
        const Triple t = Draw();
        auto it = counts.find(t.Key());
        ASSERT_NE(it, counts.end()) << t.n1 << "x" << t.n2 << "x" << t.n3 << " is not a triple of this level";
        ++it->second;
        smallest = std::min(smallest, t.Product());
        largest = std::max(largest, t.Product());
    }
    double chiSquare = 0;
    for (const auto& [key, observed] : counts) {
        EXPECT_GT(observed, 0) << "triple " << key << " never drawn";
        const double deviation = observed - kDrawsPerTriple;
        chiSquare += deviation * deviation / kDrawsPerTriple;
    }
    EXPECT_LT(chiSquare, ChiSquareCritical(int(counts.size()) - 1));
    EXPECT_EQ(smallest, level.smallestProduct);
    EXPECT_EQ(largest, level.largestProduct);
}

INSTANTIATE_TEST_SUITE_P(EasyAndHard, LevelDraws,
                         ::testing::Values(LevelCase{"Easy", 1, 132, 24, 96},
                                           LevelCase{"Hard", 2, 204, 105, 504}),
                         [](const auto& info) { return std::string(info.param.name); });

// The slider moves continuously; its value rounded half to even is the level.
struct IntermediateCase {
    float slider;
    bool hard;
};

class IntermediateDifficulty : public ProblemDrawTest,
                               public ::testing::WithParamInterface<IntermediateCase> {};

TEST_P(IntermediateDifficulty, EndsEveryDrawWithTheNearerLevel) {
    lesson().tbDifficult->SetValue(GetParam().slider);
    for (int i = 0; i < 300; ++i) {
        const Triple t = Draw();
        ASSERT_EQ(t.Product() >= 100, GetParam().hard) << "product " << t.Product();
    }
}

INSTANTIATE_TEST_SUITE_P(SliderPositions, IntermediateDifficulty,
                         ::testing::Values(IntermediateCase{1.1f, false}, IntermediateCase{1.3f, false},
                                           IntermediateCase{1.49f, false}, IntermediateCase{1.5f, true},
                                           IntermediateCase{1.7f, true}, IntermediateCase{1.9f, true}));

TEST_F(ProblemDrawTest, SameProblemCanComeTwiceInARow) {
    int repeats = 0;
    Triple previous = Draw();
    for (int i = 0; i < 2000; ++i) {
        const Triple next = Draw();
        repeats += next.Key() == previous.Key();
        previous = next;
    }
    EXPECT_GT(repeats, 0);
}

}  // namespace
