#include "skills/SkillTree.h"

#include <string>

TableView OfferedSkillTree(const std::vector<TSkillItem>& offered) {
    TableView tree;
    std::string previousBroadSkill;
    int current = -1; // the node new nodes go under; -1 is the top level
    std::vector<int> parents;
    for (const TSkillItem& entry : offered) {
        if (entry.BroadSkill != previousBroadSkill && !previousBroadSkill.empty() && current >= 0)
            current = parents[static_cast<std::size_t>(current)];
        const int node = static_cast<int>(parents.size());
        parents.push_back(current);
        const int depth = current < 0 ? 0 : 1;
        tree.push_back({std::to_string(depth), entry.Name + " [" + std::to_string(entry.Cost) + "]"});
        current = node;
        if (entry.BroadSkill == previousBroadSkill && !previousBroadSkill.empty())
            current = parents[static_cast<std::size_t>(current)];
        previousBroadSkill = entry.BroadSkill;
    }
    return tree;
}
