#include "gear/WealthAccounts.h"

#include "hero/ProfessionChoice.h"
#include "xml/ValueParsing.h"

#include <algorithm>

namespace {
constexpr const char* kBlankName = "Account name cannot be blank.";
constexpr const char* kNotNumeric = "Amount must be numeric";
constexpr const char* kNoAccountChosen = "Select an account first";
constexpr const char* kNoAccounts = "No accounts to remove";
constexpr const char* kNoDetail = "No account detail to remove";
constexpr const char* kRemoveDetail = "Remove detail data?";
constexpr const char* kHasMoney = "This character already has money";
constexpr const char* kRichAndPoor = "There is an error.\rA character cannot be both rich and poor";
constexpr const char* kNoProfession =
    "Selecting a profession is required before determining starting wealth";
constexpr const char* kCompleteMoney =
    "Generate complete starting money?\rNote: \"No\" means just generate \"Cash on Hand\"";
constexpr const char* kStartingMoney = "Starting Money";
constexpr const char* kCashOnHand = "Cash on Hand";
constexpr const char* kRichModified = "Amounts have been modified for Filty Rich Perk";
constexpr const char* kPoorModified = "Amounts have been modified for Dirt Poor Flaw";

constexpr int kStartingDice = 5;
constexpr int kCompleteFactor = 100;

// The result of the Perception feat roll and what it does to starting money, as a fraction.
struct Fortune {
    const char* result;
    int richNumerator, richDenominator;
    int poorNumerator, poorDenominator;
};
constexpr Fortune kAmazing{"Amazing", 100, 1, 3, 4};
constexpr Fortune kGood{"Good", 50, 1, 1, 2};
constexpr Fortune kOrdinary{"Ordinary", 20, 1, 1, 4};
constexpr Fortune kMarginal{"Marginal", 10, 1, 1, 10};

const Fortune& FortuneOf(int perception, int roll) {
    const int score = std::max(3, perception);
    const int good = std::max(2, score / 2);
    const int amazing = good / 2;
    if (roll <= amazing) return kAmazing;
    if (roll <= good) return kGood;
    if (roll > score) return kMarginal;
    return kOrdinary;
}

// The sides of the five dice a profession code rolls; 0 when it names none of them.
int StartingDieSides(const std::string& code) {
    const std::pair<char, int> dice[] = {{'D', 12}, {'C', 6}, {'T', 8}, {'F', 8}, {'M', 4}};
    for (const auto& [letter, sides] : dice)
        if (code.find(letter) != std::string::npos) return sides;
    return 0;
}

std::string TooLargeText(char separator) {
    return "Amount too large: amounts and account balances stay between " +
           FormatMoney(-kMoneyLimit, separator) + " and " + FormatMoney(kMoneyLimit, separator);
}
} // namespace

std::int64_t Balance(const TAccount& account) {
    std::int64_t balance = 0;
    for (const TAccountEntry& entry : account.Entries) {
        const auto sum = AddMoney(balance, std::clamp(entry.Amount, -kMoneyLimit, kMoneyLimit));
        balance = sum ? *sum : (entry.Amount < 0 ? -kMoneyLimit : kMoneyLimit);
    }
    return balance;
}

TAccount* WealthAccounts::Find(const std::string& name) {
    for (TAccount& account : document_.Hero.Accounts)
        if (account.Name == name) return &account;
    return nullptr;
}

void WealthAccounts::SayUnlessLoading(const std::string& text) const {
    // A hero file's refusals are reported with the file's other notices.
    if (!document_.Loading()) document_.prompter.error(text);
}

int WealthAccounts::Roll(int sides) const {
    return std::clamp(roll_ ? roll_(sides) : 1, 1, sides);
}

bool WealthAccounts::AddAccount(const std::string& name) {
    if (Trim(name).empty()) {
        SayUnlessLoading(kBlankName);
        return false;
    }
    if (Find(name)) {
        SayUnlessLoading("Account \"" + name + "\" already exists\rAccount names must be unique");
        return false;
    }
    HeroDocument::Operation operation(document_);
    auto& accounts = document_.Hero.Accounts;
    const auto at = std::lower_bound(
        accounts.begin(), accounts.end(), name,
        [](const TAccount& account, const std::string& key) { return account.Name < key; });
    accounts.insert(at, TAccount{name, {}});
    current_ = name;
    document_.Touch(Aspect::Wealth);
    return true;
}

bool WealthAccounts::EnterAccount(const std::string& name) {
    HeroDocument::Operation operation(document_);
    if (!AddAccount(name)) return false;
    document_.SetChanged(true);
    return true;
}

bool WealthAccounts::AddAccountDetail(const std::string& account, const std::string& description,
                                      std::int64_t amount) {
    TAccount* target = Find(account);
    if (!target) return false;
    if (amount > kMoneyLimit || amount < -kMoneyLimit || !AddMoney(Balance(*target), amount)) {
        SayUnlessLoading(TooLargeText(document_.DecimalSeparator));
        return false;
    }
    HeroDocument::Operation operation(document_);
    target->Entries.push_back({amount, description});
    document_.Touch(Aspect::Wealth);
    return true;
}

bool WealthAccounts::EnterDetail(const std::string& amountText, const std::string& description) {
    const ParsedMoney amount = ParseMoney(amountText, document_.DecimalSeparator);
    if (amount.kind == MoneyText::NotNumeric) {
        document_.prompter.error(kNotNumeric);
        return false;
    }
    if (!current_ || !Find(*current_)) {
        document_.prompter.error(kNoAccountChosen);
        return false;
    }
    if (amount.kind == MoneyText::TooLarge) {
        document_.prompter.error(TooLargeText(document_.DecimalSeparator));
        return false;
    }
    HeroDocument::Operation operation(document_);
    if (!AddAccountDetail(*current_, description, amount.amount)) return false;
    document_.SetChanged(true);
    return true;
}

void WealthAccounts::ChooseAccount(int row) {
    const auto& accounts = document_.Hero.Accounts;
    if (row < 1 || row > static_cast<int>(accounts.size())) return;
    HeroDocument::Operation operation(document_);
    current_ = accounts[static_cast<std::size_t>(row - 1)].Name;
    document_.Touch(Aspect::Wealth);
}

void WealthAccounts::RemoveAccount(int row) {
    auto& accounts = document_.Hero.Accounts;
    if (row < 1 || row > static_cast<int>(accounts.size())) {
        document_.prompter.error(kNoAccounts);
        return;
    }
    const std::size_t at = static_cast<std::size_t>(row - 1);
    const bool remove = document_.prompter.confirm(
        "Remove account \"" + accounts[at].Name +
        "\"?\rNOTE: This will delete all wealth attached to that account");
    HeroDocument::Operation operation(document_);
    if (remove) accounts.erase(accounts.begin() + static_cast<std::ptrdiff_t>(at));
    current_.reset();
    document_.Touch(Aspect::Wealth);
    document_.SetChanged(true);
}

WealthAccounts::DetailRemoval WealthAccounts::RemoveDetail(int row) {
    TAccount* account = current_ ? Find(*current_) : nullptr;
    if (!account || row < 1 || row > static_cast<int>(account->Entries.size())) {
        document_.prompter.error(kNoDetail);
        return {};
    }
    DetailRemoval removal;
    removal.fieldsChanged = true;
    if (!document_.prompter.confirm(kRemoveDetail)) return removal;
    HeroDocument::Operation operation(document_);
    const auto at = account->Entries.begin() + (row - 1);
    removal.removed = true;
    removal.amount = FormatMoney(at->Amount, document_.DecimalSeparator);
    removal.description = at->Description;
    account->Entries.erase(at);
    document_.Touch(Aspect::Wealth);
    document_.SetChanged(true);
    return removal;
}

void WealthAccounts::GenerateStartingMoney() {
    const THero& hero = document_.Hero;
    Prompter& prompter = document_.prompter;
    if (!hero.Accounts.empty()) {
        prompter.error(kHasMoney);
        return;
    }
    if (hero.FilthyRich && hero.DirtPoor) {
        prompter.error(kRichAndPoor);
        return;
    }
    const TProfData* profession = professions_.Chosen();
    if (!profession) {
        prompter.error(kNoProfession);
        return;
    }

    long long numerator = 1;
    long long denominator = 1;
    if (hero.FilthyRich || hero.DirtPoor) {
        const Fortune& fortune = FortuneOf(hero.Score[attPER], Roll(20));
        prompter.info(std::string("Perk/Flaw Result: ") + fortune.result);
        numerator = hero.FilthyRich ? fortune.richNumerator : fortune.poorNumerator;
        denominator = hero.FilthyRich ? fortune.richDenominator : fortune.poorDenominator;
    }
    long long dice = 0;
    if (const int sides = StartingDieSides(profession->SkillDiscount); sides > 0)
        for (int i = 0; i < kStartingDice; ++i)
            dice += Roll(sides);
    else
        dice = 1;
    // At most 5 x 12 x 100 x 100 units: far inside the money limit.
    long long units = dice * numerator / denominator;

    const bool complete = prompter.confirm(kCompleteMoney);
    if (complete) units *= kCompleteFactor;
    const std::string name = complete ? kStartingMoney : kCashOnHand;
    {
        HeroDocument::Operation operation(document_);
        AddAccount(name);
        AddAccountDetail(name, name, units * kMoneyScale);
        document_.SetChanged(true);
    }
    if (hero.FilthyRich) prompter.info(kRichModified);
    if (hero.DirtPoor) prompter.info(kPoorModified);
}

void WealthAccounts::ClearAccounts() {
    HeroDocument::Operation operation(document_);
    document_.Hero.Accounts.clear();
    current_.reset();
    document_.Touch(Aspect::Wealth);
}

void WealthAccounts::PaintAccounts() {
    const char separator = document_.DecimalSeparator;
    TableView accounts{{"Amt", "Account Name"}};
    for (const TAccount& account : document_.Hero.Accounts)
        accounts.push_back({FormatMoney(Balance(account), separator), account.Name});
    TableView details{{"Amt", "Description"}};
    const TAccount* chosen = current_ ? Find(*current_) : nullptr;
    if (chosen)
        for (const TAccountEntry& entry : chosen->Entries)
            details.push_back({FormatMoney(entry.Amount, separator), entry.Description});
    ViewData& views = document_.Views;
    views.SetTable(kAccountsTable, std::move(accounts));
    views.SetTable(kAccountDetailTable, std::move(details));
    views.SetLabel(kAccountLabel, chosen ? chosen->Name : "-");
}
