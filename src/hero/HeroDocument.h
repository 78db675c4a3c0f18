#pragma once
// The hero as a document: the hero record, what the pages show (the views), the flags
// `Changed`, `Ready` and `Loading`, and the change mark of the operation under way.
//
// Every operation a person (or a hero file) performs opens an `Operation` on the document and
// says what it touched (`Touch(Aspect::Skills)`). When the outermost operation ends, the
// document runs the one ordered recompute it was given (`SetSettle`), with the aspects
// touched, and then tells the observer once which views changed. Operations therefore never
// repaint what follows from them, and nested operations (a hero file replaying hundreds of
// purchases) recompute once.

#include "app/Logs.h"
#include "app/Paths.h"
#include "app/Prompter.h"
#include "app/ViewData.h"
#include "hero/Hero.h"
#include "hero/HeroHistory.h"
#include "xml/XmlEventReader.h"

#include <bitset>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>

// What an operation can touch. A recompute step runs when one of the aspects it depends on
// was touched.
enum class Aspect {
    Identity,     // names, gender, motivation, traits, notes, the file name
    Rules,        // the rule set in force
    Sources,      // the source books in play, and every catalogue read again
    Species,      // the species and its special choices
    Profession,   // the profession and its specialization
    Attributes,   // the six scores
    Skills,       // skills bought, ranks, cash-outs
    Psionics,     // psionic skills bought and their ranks
    FX,           // FX bought, their ranks and always-active marks, the FX specialization
    PerksFlaws,   // perks and flaws ticked, custom entries added
    Achievements, // achievement point entries and bought benefits
    Mutations,    // advantages and drawbacks taken
    Budget,       // the person's adjustments of the skill points
    Wealth,       // wealth accounts, their entries and the account chosen
    LastResort,   // the last resort point ledger
    Equipment,    // items carried and their quantities, the equipment filter
    Cyberware,    // cyberware installed, custom cyberware added
    Count
};

class AspectSet {
public:
    AspectSet() = default;
    AspectSet(std::initializer_list<Aspect> aspects) {
        for (Aspect aspect : aspects)
            Add(aspect);
    }
    static AspectSet All() {
        AspectSet all;
        all.bits_.set();
        return all;
    }
    void Add(Aspect aspect) { bits_.set(static_cast<std::size_t>(aspect)); }
    bool Has(Aspect aspect) const { return bits_.test(static_cast<std::size_t>(aspect)); }
    // True when any aspect of `other` is in this set.
    bool Any(const AspectSet& other) const { return (bits_ & other.bits_).any(); }
    bool Empty() const { return bits_.none(); }

private:
    std::bitset<static_cast<std::size_t>(Aspect::Count)> bits_;
};

class HeroDocument {
public:
    HeroDocument(Prompter& prompter, const AppPaths& paths);
    HeroDocument(const HeroDocument&) = delete;
    HeroDocument& operator=(const HeroDocument&) = delete;

    THero Hero;
    ViewData Views;
    Prompter& prompter;
    const AppPaths& paths;
    AppLogs logs;
    char DecimalSeparator = '.'; // the person's locale, for numbers shown

    // --- flags ---------------------------------------------------------------------------
    bool Changed() const { return changed_; } // the hero has unsaved changes
    void SetChanged(bool changed);
    bool Ready() const { return ready_; }     // false during start-up and bulk source changes
    bool Loading() const { return loading_; } // a hero file is being read

    // Sets a flag for the lifetime of the guard and puts the old value back after.
    class FlagGuard {
    public:
        FlagGuard(bool& flag, bool value) : flag_(flag), old_(flag) { flag_ = value; }
        ~FlagGuard() { flag_ = old_; }
        FlagGuard(const FlagGuard&) = delete;
        FlagGuard& operator=(const FlagGuard&) = delete;

    private:
        bool& flag_;
        bool old_;
    };
    [[nodiscard]] FlagGuard ReadyFor(bool value) { return {ready_, value}; }
    [[nodiscard]] FlagGuard LoadingFor(bool value) { return {loading_, value}; }
    // Start-up sets Ready once the program is up.
    void SetReady(bool ready) { ready_ = ready; }

    // --- operations ----------------------------------------------------------------------
    class Operation {
    public:
        explicit Operation(HeroDocument& document);
        ~Operation();
        Operation(const Operation&) = delete;
        Operation& operator=(const Operation&) = delete;

    private:
        HeroDocument& document_;
    };
    // What the operation under way changed.
    void Touch(Aspect aspect) { touched_.Add(aspect); }
    void TouchAll() { touched_ = AspectSet::All(); }

    using Settle = std::function<void(const AspectSet& touched)>;
    void SetSettle(Settle settle) { settle_ = std::move(settle); }
    void SetObserver(ViewObserver* observer) { observer_ = observer; }

    // --- undo and redo -------------------------------------------------------------------
    // Once enabled, every outermost operation that marks the hero changed is recorded as a
    // step, named by `SetStepName` or else after what it changed. An operation that reads the
    // catalogues again or changes the rule set (opening and clearing a hero do both) forgets
    // every step: a state recorded before it may name entries the catalogues no longer hold.
    // Marking the hero unchanged (saving, opening) marks the saved point.
    void EnableHistory(bool enabled);
    const HeroHistory& History() const { return history_; }
    // Names the step the operation under way takes ("Raise Climb").
    void SetStepName(std::string name) { stepName_ = std::move(name); }
    // Views that do not belong to the hero and stay as they are when a step is taken back
    // (the file name, the page shown).
    void KeepOnRestore(std::vector<std::string> viewNames) { keptViews_ = std::move(viewNames); }
    // Counts the states put back by Undo and Redo: what keeps an index of the hero's lists by
    // their place in memory indexes them afresh when it changed.
    std::uint64_t Restores() const { return restores_; }
    // Take the last step back, or take it again; the pages repaint. False when there is none.
    bool Undo();
    bool Redo();

    // Writes the problems met while reading a catalogue to the main log, and keeps one line
    // per damaged catalogue (empty, not XML, ...) for the person to be told.
    void ReportReadErrors(const XmlReadResult& result);
    // A catalogue that was read but holds nothing the program can use.
    void ReportEmptyCatalogue(const std::filesystem::path& file, const std::string& what);
    // The damaged catalogues met since the last call, one line each.
    std::vector<std::string> TakeCatalogueProblems();

private:
    void Finish();
    // Where the history stands after the outermost operation that touched `touched`.
    void UpdateHistory(const AspectSet& touched);
    HeroSnapshot TakeSnapshot() const;
    // Puts a recorded state in place, keeping the file name and the views named to keep.
    void Restore(HeroSnapshot state);

    bool changed_ = false;
    bool ready_ = false;
    bool loading_ = false;
    int depth_ = 0;
    AspectSet touched_;
    Settle settle_;
    ViewObserver* observer_ = nullptr;
    std::vector<std::string> catalogueProblems_;

    HeroHistory history_;
    bool historyEnabled_ = false;
    bool restoring_ = false;
    std::uint64_t restores_ = 0;
    std::optional<HeroSnapshot> before_; // the hero as the outermost operation found it
    bool markedChanged_ = false;         // the operation under way marked the hero changed
    bool markedSaved_ = false;           // ... or unchanged
    std::string stepName_;
    std::vector<std::string> keptViews_;
};

// The views of the document itself.
inline constexpr OuterName kChangedView{"Changed"};
// The undo history: a step was recorded, taken back or taken again, or every step forgotten.
inline constexpr OuterName kHistoryView{"History"};
