#pragma once
// The tree of skills on offer, shared by the skill and psionic pages: one node per offered
// entry in list order, each row {depth, text}. Each run of entries of one broad skill hangs
// under the run's first entry; the text is the name with the price in brackets, "Climb [3]".

#include "app/ViewData.h"
#include "hero/TypeDefinitions.h"

#include <vector>

TableView OfferedSkillTree(const std::vector<TSkillItem>& offered);
