#pragma once
// The steps a person can take back: before each edit of the hero the document records the hero
// and its views as they were, named after the edit ("Raise Climb", "Tick Night Owl"). Undo
// hands back the state before the last step and keeps the present for Redo; a new step drops
// what could be redone. The saved marker remembers where the hero was last saved (or opened),
// so that stepping back to it tells the document the hero has no unsaved changes.

#include "app/ViewData.h"
#include "hero/Hero.h"

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

// The hero as it stood before (or after) a step.
struct HeroSnapshot {
    THero hero;
    ViewData views;
};

class HeroHistory {
public:
    // At most `limit` steps are kept: the oldest go first.
    explicit HeroHistory(std::size_t limit = 100);

    // A step was taken from the state `before`. A typing step (`merges`) that follows a typing
    // step of the same name joins it, unless the hero was saved in between: false then, and
    // nothing changed.
    bool Record(HeroSnapshot before, std::string name, bool merges = false);
    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // The name of the step Undo (Redo) would take back (take again); empty when there is none.
    const std::string& UndoName() const;
    const std::string& RedoName() const;
    // Takes the last step back: `present` is kept for Redo, the state before the step is
    // returned. Only called when CanUndo().
    HeroSnapshot Undo(HeroSnapshot present);
    // Takes the step back again: `present` is kept for Undo. Only called when CanRedo().
    HeroSnapshot Redo(HeroSnapshot present);

    // Forgets every step (a hero opened, a catalogue read again); nothing is marked saved.
    void Clear();
    // The hero as it stands now is the one saved.
    void MarkSaved();
    // The hero changed in a way no step records: no step leads back to the saved hero.
    void ForgetSaved();
    // The hero stands where it was last saved.
    bool AtSaved() const { return saved_ == undo_.size(); }

    std::size_t UndoCount() const { return undo_.size(); }
    std::size_t RedoCount() const { return redo_.size(); }
    // The names of every step, the oldest first: the steps Undo takes back, then those Redo
    // takes again (the next first).
    std::vector<std::string> StepNames() const;

private:
    struct Step {
        HeroSnapshot state; // before the step (undo list) or after it (redo list)
        std::string name;
        bool merges = false;
    };
    static constexpr std::size_t kNowhere = static_cast<std::size_t>(-1);

    std::size_t limit_;
    std::deque<Step> undo_;        // the last step at the back
    std::vector<Step> redo_;       // the next step to redo at the back
    std::size_t saved_ = kNowhere; // the number of undo steps at the saved point
};

// A readable name for the step that turned `before` into `after`: "Buy Climb", "Raise Climb",
// "Tick Night Owl", "Change STR", ...; empty when none of the differences it knows is there.
std::string DescribeStep(const THero& before, const THero& after);
// True for the names DescribeStep gives to typing in a text field ("Change Name", "Edit
// Notes"): one step per key would bury every other step.
bool IsTypingStep(const std::string& name);
