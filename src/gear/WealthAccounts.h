#pragma once
// Wealth: the hero's named accounts, each a list of signed amounts with descriptions, kept
// sorted by name (character codes, as typed); the account chosen on the page, whose entries
// are listed; and the starting money a profession's dice give, raised by the Filthy Rich perk
// or lowered by the Dirt Poor flaw after a Perception roll.

#include "gear/WealthAmounts.h"
#include "gear/WealthDice.h"
#include "hero/HeroDocument.h"
#include "hero/TypeDefinitions.h"

#include <cstdint>
#include <optional>
#include <string>

class ProfessionChoice;

class WealthAccounts {
public:
    WealthAccounts(HeroDocument& document, const ProfessionChoice& professions)
        : document_(document), professions_(professions), roll_(SeededDieRoll()) {}

    // Adds an account at its sorted place and makes it the chosen one; false (with a message,
    // unless a file is read) when the name is blank or taken.
    bool AddAccount(const std::string& name);
    // "Add Account" with the field as typed: AddAccount, and the hero is changed.
    bool EnterAccount(const std::string& name);
    // Appends an entry to the account of that name; false when there is none, or when the
    // amount or the new balance would go beyond the money limit (said unless a file is read).
    bool AddAccountDetail(const std::string& account, const std::string& description,
                          std::int64_t amount);
    // "Add" with the amount as typed in the person's locale: true when the entry was added.
    bool EnterDetail(const std::string& amountText, const std::string& description);

    // Chooses the account of a row of the account table (rows from 1).
    void ChooseAccount(int row);
    // Asks, then removes the account of a row (from 1; 0 when none) with all its entries.
    void RemoveAccount(int row);
    // Removing the entry of a row of the entry table (from 1; 0 when none): what the amount
    // and description fields show afterwards.
    struct DetailRemoval {
        bool fieldsChanged = false; // false: refused, the fields stay as they are
        bool removed = false;       // the entry went; the fields hold it for entering again
        std::string amount;
        std::string description;
    };
    DetailRemoval RemoveDetail(int row);

    // "Generate Starting Money".
    void GenerateStartingMoney();

    // Empties the accounts; no account is chosen.
    void ClearAccounts();
    // Shows the account table, the chosen account and its entries.
    void PaintAccounts();

    // The dice of starting money (tests fix the rolls).
    void SetDieRoll(DieRoll roll) { roll_ = std::move(roll); }
    // The chosen account's name; none when "-" is shown.
    const std::optional<std::string>& CurrentAccount() const { return current_; }

private:
    TAccount* Find(const std::string& name);
    void SayUnlessLoading(const std::string& text) const;
    int Roll(int sides) const;

    HeroDocument& document_;
    const ProfessionChoice& professions_;
    DieRoll roll_;
    std::optional<std::string> current_;
};

// An account's balance: the sum of its amounts (within the money limit).
std::int64_t Balance(const TAccount& account);

// Rows {"Amt", "Account Name"}, then one per account; the chosen account's entries, rows
// {"Amt", "Description"}, then one per entry; the chosen account's name, "-" when none.
inline constexpr TableName kAccountsTable{"Accounts"};
inline constexpr TableName kAccountDetailTable{"AccountDetail"};
inline constexpr LabelName kAccountLabel{"Account"};
