// Money amounts, wealth accounts and their entries, starting money by profession and fortune,
// and the wealth section of the hero file.

#include "gear/WealthAccounts.h"
#include "gear/WealthAmounts.h"

#include "BuilderTest.h"

namespace {

std::string Parsed(const std::string& text, char separator = '.') {
    const ParsedMoney money = ParseMoney(text, separator);
    if (money.kind == MoneyText::NotNumeric) return "not numeric";
    if (money.kind == MoneyText::TooLarge) return "too large";
    return std::to_string(money.amount);
}

TEST(WealthAmounts, TypedAmountsRoundHalfToEvenAndShowWithoutTrailingZeros) {
    EXPECT_EQ(Parsed("10"), "100000");
    EXPECT_EQ(Parsed(" -2.5 "), "-25000");
    EXPECT_EQ(Parsed("0.00005"), "0"); // halves to even
    EXPECT_EQ(Parsed("0.00015"), "2");
    EXPECT_EQ(Parsed("0.000051"), "1");
    EXPECT_EQ(Parsed("-0.00025"), "-2");
    EXPECT_EQ(Parsed("1,5", ','), "15000");
    EXPECT_EQ(Parsed("1.5", ','), "not numeric"); // the locale's separator only
    EXPECT_EQ(Parsed("1.2.3"), "not numeric");
    EXPECT_EQ(Parsed("."), "not numeric");
    EXPECT_EQ(Parsed(""), "not numeric");
    EXPECT_EQ(Parsed("12x"), "not numeric");
    EXPECT_EQ(Parsed("2.5e2"), "2500000");
    EXPECT_EQ(Parsed("1e-9"), "0");
    EXPECT_EQ(Parsed("99999999999.9999"), std::to_string(kMoneyLimit));
    EXPECT_EQ(Parsed("99999999999.99995"), "too large"); // rounds up past the limit
    EXPECT_EQ(Parsed("-100000000000"), "too large");
    EXPECT_EQ(Parsed("1e99999999999"), "too large");

    EXPECT_EQ(FormatMoney(75'000, '.'), "7.5");
    EXPECT_EQ(FormatMoney(-1, ','), "-0,0001");
    EXPECT_EQ(FormatMoney(120'000, '.'), "12");
    EXPECT_EQ(FormatMoney(-kMoneyLimit, '.'), "-99999999999.9999");
    EXPECT_EQ(AddMoney(kMoneyLimit, 1), std::nullopt);
    EXPECT_EQ(AddMoney(kMoneyLimit, -kMoneyLimit), 0);
}

const char* kPerks = R"(<PERKSNFLAWS>
  <PERK NAME="Filthy Rich" SOURCE="Core" COST="5"/>
  <FLAW NAME="Dirt Poor" SOURCE="Core" COST="3"/>
</PERKSNFLAWS>)";

class WealthTest : public BuilderTest {
protected:
    void SetUp() override {
        WriteData(R"(<Configuration>
  <Profession NAME="Drifter" SOURCE="Core" SKILLDISCOUNT="X"/>
</Configuration>)");
        app.Write("Data/perksnflaws.xml", kPerks);
        Start();
        prompter.Clear();
    }
    WealthAccounts& Wealth() { return builder->Wealth(); }
    const TableView& Table(const char* name) const { return builder->Views().TableNamed(name); }
    // Every die answers from `rolls` in turn; the sides asked for are kept.
    void FixRolls(std::vector<int> rolls) {
        rolls_ = std::move(rolls);
        sides_.clear();
        Wealth().SetDieRoll([this](int sides) {
            sides_.push_back(sides);
            const int roll = rolls_.empty() ? sides : rolls_.front();
            if (!rolls_.empty()) rolls_.erase(rolls_.begin());
            return roll;
        });
    }
    std::vector<int> rolls_;
    std::vector<int> sides_;
};

TEST_F(WealthTest, AccountsStaySortedAndUniqueAndShowTheirBalances) {
    for (const char* name : {"b", "a", "c"})
        EXPECT_TRUE(Wealth().EnterAccount(name));
    EXPECT_TRUE(builder->Changed());
    EXPECT_EQ(Table("Accounts"),
              (TableView{{"Amt", "Account Name"}, {"0", "a"}, {"0", "b"}, {"0", "c"}}));
    EXPECT_EQ(Label("Account"), "c"); // the last added is chosen
    EXPECT_FALSE(Wealth().AddAccount("a"));
    EXPECT_FALSE(Wealth().AddAccount(" \t"));
    EXPECT_EQ(prompter.Texts(Kind::Error),
              (Strings{"Account \"a\" already exists\rAccount names must be unique",
                       "Account name cannot be blank."}));
    EXPECT_TRUE(Wealth().AddAccount(" a")); // compared as typed
    EXPECT_EQ(Table("Accounts")[1][1], " a");

    Wealth().ChooseAccount(2); // "a", after " a"
    EXPECT_TRUE(Wealth().EnterDetail("10", "Pay"));
    EXPECT_TRUE(Wealth().EnterDetail("-2.5", "Fuel"));
    EXPECT_EQ(Table("Accounts")[2], (TableRow{"7.5", "a"}));
    EXPECT_EQ(Table("AccountDetail"),
              (TableView{{"Amt", "Description"}, {"10", "Pay"}, {"-2.5", "Fuel"}}));
    prompter.Clear();
    EXPECT_FALSE(Wealth().EnterDetail("ten", "Typo"));
    EXPECT_FALSE(Wealth().EnterDetail("99999999999", "Too much")); // the balance would pass
    EXPECT_EQ(prompter.Texts(Kind::Error),
              (Strings{"Amount must be numeric",
                       "Amount too large: amounts and account balances stay between "
                       "-99999999999.9999 and 99999999999.9999"}));
    EXPECT_EQ(Table("Accounts")[2][0], "7.5");

    // The person's locale shows and reads the amounts.
    builder->Document().DecimalSeparator = ',';
    EXPECT_TRUE(Wealth().EnterDetail("0,25", "Tip"));
    EXPECT_EQ(Table("Accounts")[2][0], "7,75");
}

TEST_F(WealthTest, RemovingAsksAndGivesTheEntryBackToTheFields) {
    Wealth().AddAccount("Bank");
    Wealth().EnterDetail("12.5", "Deposit");
    prompter.confirmAnswers = {false, true};
    EXPECT_FALSE(Wealth().RemoveDetail(1).removed); // No: the fields empty, the entry stays
    const auto removal = Wealth().RemoveDetail(1);
    EXPECT_TRUE(removal.removed);
    EXPECT_EQ(removal.amount + "|" + removal.description, "12.5|Deposit");
    EXPECT_EQ(Table("AccountDetail").size(), 1u);
    EXPECT_FALSE(Wealth().RemoveDetail(1).fieldsChanged);

    prompter.confirmAnswers = {false};
    Wealth().RemoveAccount(1); // No: the account stays, none is chosen
    EXPECT_EQ(Table("Accounts").size(), 2u);
    EXPECT_EQ(Label("Account"), "-");
    EXPECT_FALSE(Wealth().EnterDetail("1", "Orphan"));
    prompter.confirmAnswers = {true};
    builder->Document().SetChanged(false);
    Wealth().RemoveAccount(1);
    EXPECT_TRUE(builder->Changed());
    Wealth().RemoveAccount(1);
    EXPECT_EQ(prompter.Texts(Kind::Confirm),
              (Strings{"Remove detail data?", "Remove detail data?",
                       "Remove account \"Bank\"?\rNOTE: This will delete all wealth attached to "
                       "that account",
                       "Remove account \"Bank\"?\rNOTE: This will delete all wealth attached to "
                       "that account"}));
    EXPECT_EQ(prompter.Texts(Kind::Error),
              (Strings{"No account detail to remove", "Select an account first",
                       "No accounts to remove"}));
    EXPECT_EQ(Table("Accounts").size(), 1u);
}

TEST_F(WealthTest, StartingMoneyRollsTheProfessionsDice) {
    const std::pair<const char*, int> professions[] = {
        {"Combat Spec", 6}, {"Diplomat (Tech Op)", 12}, {"Free Agent", 8},
        {"Tech Op", 8},     {"Mindwalker", 4},          {"Drifter", 0}};
    for (const auto& [name, sides] : professions) {
        for (const bool complete : {false, true}) {
            SCOPED_TRACE(std::string(name) + (complete ? " complete" : " cash"));
            builder->NewHero();
            ChooseProfession(name);
            FixRolls({1, 2, 3, 4, 1}); // 11 on five dice
            prompter.confirmAnswers = {complete};
            Wealth().GenerateStartingMoney();
            EXPECT_EQ(sides_, std::vector<int>(sides ? 5 : 0, sides));
            const int units = (sides ? 11 : 1) * (complete ? 100 : 1);
            const std::string account = complete ? "Starting Money" : "Cash on Hand";
            EXPECT_EQ(Table("Accounts"),
                      (TableView{{"Amt", "Account Name"}, {std::to_string(units), account}}));
            EXPECT_EQ(Table("AccountDetail")[1][1], account);
            EXPECT_TRUE(builder->Changed());
        }
    }
    EXPECT_EQ(prompter.Texts(Kind::Confirm).back(),
              "Generate complete starting money?\rNote: \"No\" means just generate \"Cash on "
              "Hand\"");
    EXPECT_EQ(prompter.Texts(Kind::Info), Strings{});

    // Refusals, in their order, change nothing.
    Wealth().GenerateStartingMoney();
    builder->NewHero();
    builder->PerksFlaws().AddPerk("Filthy Rich");
    builder->PerksFlaws().AddFlaw("Dirt Poor");
    Wealth().GenerateStartingMoney();
    builder->NewHero();
    Wealth().GenerateStartingMoney();
    EXPECT_EQ(prompter.Texts(Kind::Error),
              (Strings{"This character already has money",
                       "There is an error.\rA character cannot be both rich and poor",
                       "Selecting a profession is required before determining starting wealth"}));
    EXPECT_EQ(Table("Accounts").size(), 1u);
}

TEST_F(WealthTest, PerceptionRollScalesTheMoneyOfTheRichAndThePoor) {
    // Perception 12: Amazing up to 3, Good up to 6, Ordinary up to 12, Marginal above.
    const std::pair<int, const char*> bands[] = {{3, "Amazing 500"},
                                                 {4, "Good 250"},
                                                 {6, "Good 250"},
                                                 {12, "Ordinary 100"},
                                                 {13, "Marginal 50"}};
    for (const auto& [roll, expected] : bands) {
        SCOPED_TRACE(roll);
        builder->NewHero();
        ChooseProfession("Tech Op");
        builder->Attributes().SetScore(attPER, 12);
        builder->PerksFlaws().AddPerk("Filthy Rich");
        prompter.Clear();
        FixRolls({roll, 1, 1, 1, 1, 1}); // then 5 on the five dice
        Wealth().GenerateStartingMoney();
        const auto info = prompter.Texts(Kind::Info);
        ASSERT_EQ(info.size(), 2u);
        EXPECT_EQ(info[0].substr(18) + " " + Table("Accounts")[1][0], expected);
        EXPECT_EQ(info[1], "Amounts have been modified for Filty Rich Perk");
        EXPECT_EQ(sides_.front(), 20);
    }
    builder->NewHero();
    ChooseProfession("Tech Op");
    builder->PerksFlaws().AddFlaw("Dirt Poor");
    prompter.Clear();
    FixRolls({1, 1, 1, 1, 1, 2}); // Amazing: 6 x 0.75 = 4.5, truncated
    Wealth().GenerateStartingMoney();
    EXPECT_EQ(
        prompter.Texts(Kind::Info),
        (Strings{"Perk/Flaw Result: Amazing", "Amounts have been modified for Dirt Poor Flaw"}));
    EXPECT_EQ(Table("Accounts")[1], (TableRow{"4", "Cash on Hand"}));
}

TEST_F(WealthTest, AccountsSaveOpenAndSaveAgainToTheSameText) {
    Wealth().AddAccount("Savings & Loans");
    Wealth().EnterDetail("12.5", "Half \"share\"");
    Wealth().EnterDetail("-0.0001", "Fee");
    Wealth().AddAccount("Cash");
    Wealth().EnterDetail("3", "Pocket");
    const std::string text = Files().HeroFileText();
    EXPECT_NE(text.find("<Wealth>\r\n"
                        "  <Account Name=\"Cash\">\r\n"
                        "    <AccountDetail Desc=\"Pocket\" Amt=\"3\" />\r\n"
                        "  </Account>\r\n"
                        "  <Account Name=\"Savings &amp; Loans\">\r\n"
                        "    <AccountDetail Desc=\"Half &quot;share&quot;\" Amt=\"12.5\" />\r\n"
                        "    <AccountDetail Desc=\"Fee\" Amt=\"-0.0001\" />\r\n"
                        "  </Account>\r\n"
                        "</Wealth>\r\n<LastResortPoints>"),
              std::string::npos);
    builder->Document().DecimalSeparator = ','; // the file keeps "."
    Files().LoadHeroText(text, "rich.xml");
    EXPECT_EQ(Files().HeroFileText(), text);
    EXPECT_EQ(Files().ImportErrors(), Strings{});

    // A detail with no account to join is reported and kept nowhere; a comma amount reads.
    std::string damaged = text;
    damaged.replace(damaged.find("<Wealth>\r\n") + 10, 0,
                    "  <AccountDetail Desc=\"Stray\" Amt=\"5\" />\r\n");
    damaged.replace(damaged.find("Amt=\"3\""), 7, "Amt=\"3,5\"");
    Files().LoadHeroText(damaged, "stray.xml");
    EXPECT_EQ(Files().ImportErrors(),
              Strings{"Account detail \"Stray\" belongs to no account and was left out"});
    EXPECT_EQ(Table("Accounts")[1], (TableRow{"3,5", "Cash"}));

    // An amount beyond the limit is refused however it arrives, and the balance stays.
    EXPECT_FALSE(Wealth().AddAccountDetail("Cash", "Hoard", kMoneyLimit + 1));
    EXPECT_FALSE(Wealth().AddAccountDetail("Cash", "Debt", -kMoneyLimit - 1));
    EXPECT_EQ(Table("Accounts")[1], (TableRow{"3,5", "Cash"}));
}

} // namespace
