// "New": the identity chosen so far goes, and the fresh hero has no unsaved changes.

#include "BuilderTest.h"

namespace {

using NewHero = BuilderTest;

TEST_F(NewHero, NewAfterChoosingAGenderClearsItAndLeavesTheHeroUnchanged) {
    WriteData("<Configuration />");
    Start();
    builder->Identity().Choose(IdentityChoice::Gender, 1);
    ASSERT_EQ(Label("Gender"), "Female");
    ASSERT_TRUE(builder->Changed());

    ClickNew(); // "Save Changes?" answered No
    EXPECT_EQ(prompter.Texts(Kind::Confirm), Strings{"Save Changes?"});
    EXPECT_EQ(builder->Hero().Gender, "");
    EXPECT_EQ(Label("Gender"), "");
    EXPECT_EQ(builder->Views().ChoiceNamed("Gender").index, -1);
    EXPECT_FALSE(builder->Changed());

    // Nothing is left to offer saving the next time.
    ClickNew();
    EXPECT_EQ(prompter.Texts(Kind::Confirm).size(), 1u);
}

} // namespace
