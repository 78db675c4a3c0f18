#pragma once
// A robot designer made in a throw-away program folder on a small parts catalogue the test
// writes, with only the "Core" source in play and a scripted prompter.

#include "app/ScriptedPrompter.h"
#include "robots/RobotDesigner.h"

#include "TempAppDir.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using Strings = std::vector<std::string>;

// Two entries at PL 5 and one at PL 7 for most kinds; upgrades share the Agility class.
inline const std::string kSmallCatalogue = R"(<?xml version="1.0"?>
<Robots>
  <PROCESSOR NAME="Abacus" SOURCE="Core" PL="5" AM="2" MAXRANK="1" STEPMOD="2" INT="12" COST="100"/>
  <PROCESSOR NAME="Slate" SOURCE="Core" PL="5" STEPMOD="1" INT="6"/>
  <processor name="Loom" source="Core" pl="7" stepmod="-1" int="10"/>
  <CHASIS NAME="Crate" SOURCE="Core" TECH="M" PL="5" WEIGHT="40.5" COST="500" SIZE="2" CON="7"/>
  <CHASIS NAME="Spar" SOURCE="Core" PL="5" CON="8"/>
  <CHASIS NAME="Shell" SOURCE="Core" PL="7" CON="9"/>
  <MATERIAL NAME="Tin" SOURCE="Core" CLASS="Light" TECH="M" PL="5" WEIGHTX="1.5" COSTX="1,25"/>
  <MATERIAL NAME="Foam" SOURCE="Core" PL="7"/>
  <CASING NAME="Skin" SOURCE="Core" TECH="M" NOTE="thin" ARMOR="d4-1/d4-2/d4-3" PL="5" WEIGHTX="1.1" COSTX="2"/>
  <CASING NAME="Mantle" SOURCE="Core" ARMOR="d6/d6-1/d4" PL="7"/>
  <ACTUATOR NAME="Pulleys" SOURCE="Core" PL="5" WEIGHTX="1" COSTX="1" STR="6" DEX="9"/>
  <ACTUATOR NAME="Gears" SOURCE="Core" PL="5" STR="8" DEX="4"/>
  <ACTUATOR NAME="Fibre" SOURCE="Core" PL="7" STR="12" DEX="many"/>
  <PROPULSION NAME="Treads" SOURCE="Core" TECH="M" PL="5" WEIGHTX="2" COSTX="3"/>
  <PROPULSION NAME="Skirt" SOURCE="Core" PL="7"/>
  <POWER NAME="Cells" SOURCE="Core" PL="5" TECH="M"/>
  <POWER NAME="Pile" SOURCE="Core" PL="7"/>
  <PORT NAME="Jack" SOURCE="Core" NOTE="wired" PL="5" WEIGHT="1" COST="50"/>
  <PORT NAME="Beam" SOURCE="Core" PL="7"/>
  <MANIPULATOR NAME="Claw" SOURCE="Core" PL="5" WEIGHT="3" COST="200" COSTSP="1"/>
  <SENSOR NAME="Eye" SOURCE="Core" NOTE="sight" PL="5" WEIGHT="1" COST="100"/>
  <SENSOR NAME="Sonar" SOURCE="Core" PL="7"/>
  <UPGRADE NAME="Gyros" SOURCE="Core" CLASS="Agility" PL="5" DEX="1" NOTE="steady"/>
  <UPGRADE NAME="Spindle" SOURCE="Core" CLASS="Agility" PL="5" DEX="2" AC="1"/>
  <UPGRADE NAME="Seed" SOURCE="Core" CLASS="Persona" PL="6" WIL="2" PER="1"/>
  <UPGRADE NAME="Lens" SOURCE="Elsewhere" CLASS="Awareness" PL="5" PER="2"/>
</Robots>
)";

class RobotTest : public ::testing::Test {
protected:
    using Kind = ScriptedPrompter::Kind;

    void SetUp() override {
        app.Write("Data/robots.xml", kSmallCatalogue);
        Start();
    }
    // Makes (or makes again) the designer on the catalogue written.
    void Start() {
        designer.reset();
        paths.emplace(app.Root());
        designer.emplace(prompter, *paths,
                         [](const std::string& source) { return source == "Core"; });
    }

    const ChoiceView& Choice(RobotSlot slot) const {
        return designer->Views().Choice(SlotChoice(slot));
    }
    std::string Chosen(RobotSlot slot) const { return Choice(slot).Chosen(); }
    std::string Label(LabelName name) const { return designer->Views().Label(name).text; }
    // The names of a table below its caption.
    Strings Names(TableName table) const {
        Strings names;
        const TableView& rows = designer->Views().Table(table);
        for (std::size_t i = 1; i < rows.size(); ++i)
            names.push_back(rows[i].front());
        return names;
    }
    // Double-clicks the named entry of an available list.
    void Add(RobotList list, const std::string& name) {
        const Strings names = Names(AvailableTable(list));
        for (std::size_t i = 0; i < names.size(); ++i)
            if (names[i] == name) return designer->AddPart(list, i);
        ADD_FAILURE() << name << " is not offered";
    }

    TempAppDir app;
    ScriptedPrompter prompter;
    std::optional<AppPaths> paths;
    std::optional<RobotDesigner> designer;
};
