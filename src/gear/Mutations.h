#pragma once
// Mutations: the mutation catalogue, the advantages and drawbacks on offer (those of active
// sources), the hero's taken ones, and their bonus totals.
//
// A mutation changes one attribute, the first of its six values that is not 0, in the score
// and the maximum alike, and the totals count exactly that change: the attribute's base never
// moves when mutations are taken, given up, saved or read. A mutation dropped because its
// source went away gives its change back.

#include "hero/HeroDocument.h"
#include "hero/TypeDefinitions.h"

#include <string>
#include <vector>

class RulesConfiguration;
class AttributeScores;

enum class MutationKind { Advantage, Drawback };

class Mutations {
public:
    Mutations(HeroDocument& document, const RulesConfiguration& rules,
              const AttributeScores& attributes)
        : document_(document), rules_(rules), attributes_(attributes) {}

    // Rereads mutations.xml; taken mutations of sources no longer active are dropped.
    void LoadMutations();

    // Takes the mutation of a row of an offered table (from 1 below the header).
    void TakeMutation(MutationKind kind, int row);
    // Takes the first catalogue mutation of that name (hero files); false when none.
    bool AddMutation(MutationKind kind, const std::string& name);
    // Gives up the mutation of a row of a taken table (from 1; 0 when none is selected).
    void GiveUpMutation(MutationKind kind, int row);
    void ClearMutations();

    // Recomputes the bonus totals from the taken lists (before the derived scores).
    void CountMutations();
    // Shows the offered and taken tables.
    void PaintMutations();

private:
    void Take(MutationKind kind, const TMutation& mutation);
    // Applies (sign +1) or gives back (-1) a mutation's change to its attribute's score.
    void ApplyChange(const TMutation& mutation, int sign);
    // A score above its new maximum comes down to it (the base kept within the limits).
    void KeepWithinMaxima();
    std::vector<const TMutation*> Offered(MutationKind kind) const;

    HeroDocument& document_;
    const RulesConfiguration& rules_;
    const AttributeScores& attributes_;
    std::vector<TMutation> advantages_;
    std::vector<TMutation> drawbacks_;
};

// Header row {"Pts", "Description"}, then one row per mutation.
inline constexpr TableName kOfferedAdvantagesTable{"OfferedAdvantages"};
inline constexpr TableName kOfferedDrawbacksTable{"OfferedDrawbacks"};
inline constexpr TableName kAdvantagesTable{"Advantages"};
inline constexpr TableName kDrawbacksTable{"Drawbacks"};
