// Attribute rules seen on the Main page: the minimums every built-in profession sets, and the
// base of each attribute, which leaves out only that attribute's own bonuses.

#include "BuilderTest.h"

namespace {

const std::string kLimits = "STR.Limits DEX.Limits CON.Limits INT.Limits WIL.Limits PER.Limits";
const std::string kBases = "STR.Base DEX.Base CON.Base INT.Base WIL.Base PER.Base";

class AttributeRules : public BuilderTest {
protected:
    void SetUp() override {
        WriteData("<Configuration />");
        Start();
    }
    // Sets every score to 12 (each a change of that attribute), as the person would.
    void SetAllScores() {
        for (int attribute = 0; attribute < kAttributeCount; ++attribute)
            builder->Attributes().SetScore(attribute, 12);
    }
};

TEST_F(AttributeRules, EveryBuiltInProfessionRaisesItsOwnMinimums) {
    // Without a species every minimum is 4 and every maximum 14.
    const std::pair<const char*, const char*> professions[] = {
        {"Combat Spec", "11/14 4/14 9/14 4/14 4/14 4/14"},
        {"Diplomat (Combat Spec)", "4/14 4/14 4/14 4/14 9/14 11/14"},
        {"Diplomat (Free Agent)", "4/14 4/14 4/14 4/14 9/14 11/14"},
        {"Diplomat (Tech Op)", "4/14 4/14 4/14 4/14 9/14 11/14"},
        {"Free Agent", "4/14 11/14 4/14 4/14 9/14 4/14"},
        {"Tech Op", "4/14 9/14 4/14 11/14 4/14 4/14"},
        {"Mindwalker", "4/14 4/14 9/14 9/14 11/14 4/14"},
    };
    for (const auto& [profession, limits] : professions) {
        ChooseProfession(profession);
        EXPECT_EQ(Labels(kLimits), limits) << profession;
    }
}

TEST_F(AttributeRules, EachBaseLeavesOutOnlyItsOwnAttributesBonus) {
    // A WIL bonus and a PER bonus from each of the three records, never both from one.
    builder->Hero().BenefitTotals.Wil = 1;
    builder->Hero().MutationTotals.Per = 2;
    SetAllScores();
    EXPECT_EQ(Labels(kBases), "12 12 12 12 11 10");

    builder->Hero().BenefitTotals = TBenefit{};
    builder->Hero().MutationTotals = TMutation{};
    builder->Hero().FXTotals.Per = 1;
    builder->Hero().MutationTotals.Wil = 3;
    SetAllScores();
    EXPECT_EQ(Labels(kBases), "12 12 12 12 9 11");

    builder->Hero().MutationTotals = TMutation{};
    builder->Hero().FXTotals = TFXBenefit{};
    builder->Hero().FXTotals.Wil = 2;
    builder->Hero().BenefitTotals.Per = 3;
    SetAllScores();
    EXPECT_EQ(Labels(kBases), "12 12 12 12 10 9");
    EXPECT_EQ(Labels("WIL.Total PER.Total AttributeCost"), "12 12 67");
}

} // namespace
