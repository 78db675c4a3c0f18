#include "app/HeroBuilder.h"

#include "app/Pages.h"
#include "gear/GearViews.h"

#include <system_error>

namespace fs = std::filesystem;

namespace {
constexpr const char* kNotYetEnabled = "Not yet enabled..\rCheck back in a future version";
constexpr const char* kConfigMissing = "Configuration Data File not found.\rAborting!";
constexpr const char* kCataloguesDamaged =
    "Some catalogues could not be read as they should; what could be read is in use:";
constexpr const char* kClearSkillList =
    "Clear skill list?\r\"No\" means keep all skills and recalculate costs";
} // namespace

HeroBuilder::HeroBuilder(Prompter& prompter, const AppPaths& paths)
    : document_(prompter, paths), rules_(document_), identity_(document_, rules_),
      species_(document_, rules_), professions_(document_, rules_),
      attributes_(document_, rules_, professions_), skills_(document_, rules_, professions_),
      psionics_(document_, rules_, professions_), perksFlaws_(document_, rules_),
      budget_(document_, rules_, professions_),
      achievements_(document_, rules_, professions_, attributes_),
      mutations_(document_, rules_, attributes_), wealth_(document_, professions_),
      lastResort_(document_), equipment_(document_, rules_, professions_),
      cyberware_(document_, rules_), fx_(document_, rules_, professions_) {
    document_.SetSettle([this](const AspectSet& touched) { Settle(touched); });
    // Taking a step back leaves the hero in its file and on the page shown.
    document_.KeepOnRestore({kFileNameLabel.Key(), kPageLabel.Key()});
}

void HeroBuilder::Settle(const AspectSet& touchedByOperation) {
    using enum Aspect;
    AspectSet touched = touchedByOperation;
    // 0. The FX bonus totals: a change of them moves the attribute scores with it.
    if (touched.Any({FX, Sources}) && fx_.CountFXTotals()) touched.Add(Attributes);
    // 0. The advancement figures and the benefits' bonus totals, which the limits and the
    // derived scores read.
    if (touched.Any({Achievements, Profession, Sources})) achievements_.CountAdvancement();
    if (touched.Any({Mutations, Sources})) mutations_.CountMutations();
    // 1. Limits: a new species, profession or rule set may leave scores outside them.
    if (touched.Any({Species, Profession, Rules, Sources})) attributes_.ApplyLimits();
    // 2. The attribute panel: limits, scores and every derived score.
    if (touched.Any({Attributes, Achievements, Mutations, Species, Profession, Rules, Sources}))
        attributes_.PaintScores();
    // 3. The tables that spend skill points (their scores follow the attributes).
    if (touched.Any({Skills, Attributes, Species, Profession, Rules, Sources}))
        skills_.PaintSelectedSkills();
    if (touched.Any({Psionics, Attributes, Species, Profession, Rules, Sources}))
        psionics_.PaintSelectedPsionics();
    if (touched.Any({FX, Profession, Sources})) fx_.PaintFXChoices();
    if (touched.Any({FX, Attributes, Species, Profession, Rules, Sources})) fx_.PaintSelectedFX();
    // 4. Perks and flaws with their totals and the wealth markers.
    if (touched.Any({PerksFlaws, Sources})) perksFlaws_.PaintPerksFlaws();
    // 5. The budget, read from those tables, the perk and flaw totals and the INT resistance
    // modifier.
    if (touched.Any({Skills, Psionics, FX, PerksFlaws, Achievements, Attributes, Species,
                     Profession, Rules, Sources, Budget, LastResort}))
        budget_.CalculateSkillPoints();
    if (touched.Any({Budget})) budget_.PaintAdjustments();
    if (touched.Any({Achievements, Profession, Sources})) achievements_.PaintAchievements();
    if (touched.Any({Mutations, Sources})) mutations_.PaintMutations();
    // The last resort point ledger and the wealth accounts.
    if (touched.Any({LastResort})) lastResort_.PaintLastResortPoints();
    if (touched.Any({Wealth})) wealth_.PaintAccounts();
    // The equipment grids, the combat tables (read from the skill grid) and the cyberware
    // with its tolerance track (CON and the species' bonus).
    if (touched.Any({Equipment, Rules, Sources})) equipment_.PaintEquipment();
    if (touched.Any({Equipment, Skills, Attributes, Species, Profession, Rules, Sources}))
        equipment_.PaintCombat();
    if (touched.Any({Cyberware, Attributes, Species, Sources})) cyberware_.PaintCyberware();
    // 6. The fixed notes on the rules, the species and the profession.
    if (touched.Any({Rules, Species, Profession, Sources, FX})) budget_.PaintFixedNotes();
    // 7. The choices and the identity.
    if (touched.Any({Identity, Rules, Sources})) identity_.Paint();
    if (touched.Any({Species, Sources})) species_.PaintChoices();
    if (touched.Any({Profession, Sources})) professions_.PaintChoices();
}

void HeroBuilder::ReportCatalogueProblems() {
    catalogueProblems_ = document_.TakeCatalogueProblems();
    if (catalogueProblems_.empty()) return;
    std::string text = kCataloguesDamaged;
    for (const std::string& line : catalogueProblems_)
        text += "\r" + line;
    document_.prompter.info(text);
}

bool HeroBuilder::Start() {
    {
        HeroDocument::Operation operation(document_);
        if (!StartUp()) return false;
    }
    ReportCatalogueProblems();
    return true;
}

bool HeroBuilder::StartUp() {
    document_.TakeCatalogueProblems();
    document_.SetReady(false);
    document_.SetChanged(false);
    document_.logs.DebugLog(-2, "Initialized");
    document_.Views.SetLabel(kPageLabel, "Main");
    document_.logs.RestartMainLog();

    std::error_code error;
    if (!fs::exists(document_.paths.InDataDir("config.xml"), error)) {
        document_.prompter.error(kConfigMissing);
        return false;
    }

    rules_.StartUp();
    document_.Views.SetLabel(kHouseRuleLabel, kHouseRuleNone);
    ReloadCatalogues();

    // The hero starts cleared: every view shows the cleared state.
    ClearHero();
    document_.SetReady(true);
    return true;
}

void HeroBuilder::MarkChanged() {
    HeroDocument::Operation operation(document_);
    document_.SetChanged(true);
}

void HeroBuilder::NewHero() {
    HeroDocument::Operation operation(document_);
    ClearHero();
    rules_.ApplyDefaults();
    document_.Views.SetLabel(kPageLabel, "Main");
}

void HeroBuilder::ReportNotYetEnabled() {
    document_.prompter.plain(kNotYetEnabled);
}

void HeroBuilder::ToggleSource(std::size_t entryIndex) {
    bool reloaded = false;
    {
        HeroDocument::Operation operation(document_);
        if (rules_.ToggleSource(entryIndex) && document_.Ready()) {
            document_.TakeCatalogueProblems();
            ReloadCatalogues();
            reloaded = true;
        }
    }
    if (reloaded) ReportCatalogueProblems();
    // The page shows the new catalogues while the question is asked.
    if (reloaded && document_.prompter.confirm("Make this the default?")) rules_.SaveDefaults();
}

void HeroBuilder::ChooseRuleSet(std::size_t entryIndex) {
    HeroDocument::Operation operation(document_);
    if (!rules_.ChooseRuleSet(entryIndex)) return;
    // The hero file records the rule set.
    document_.Touch(Aspect::Rules);
    document_.SetChanged(true);
}

void HeroBuilder::SetRuleSet(const std::string& name) {
    HeroDocument::Operation operation(document_);
    if (!rules_.SetRuleSet(name)) return;
    document_.Touch(Aspect::Rules);
    document_.SetChanged(true);
}

void HeroBuilder::ChooseSpecies(int index) {
    HeroDocument::Operation operation(document_);
    document_.SetChanged(true);
    if (!document_.Loading() && skills_.TableRowCount() >= 2 &&
        document_.prompter.confirm(kClearSkillList))
        skills_.ClearSkills();
    species_.Choose(index);
    skills_.GrantFreeSkills();
    psionics_.GrantFreePsionics();
}

void HeroBuilder::ChooseProfession(int index) {
    HeroDocument::Operation operation(document_);
    professions_.Choose(index);
    // The prices follow the profession; the purchases stay.
    skills_.OfferSkills();
    // Psionic skills are not carried over: only the free ones stay.
    psionics_.OfferPsionics();
    if (document_.Hero.SpeciesIndex >= 0) {
        skills_.GrantFreeSkills();
        psionics_.GrantFreePsionics();
    }
}

void HeroBuilder::ChooseSpecialization(int index) {
    professions_.ChooseSpecialization(index);
}

void HeroBuilder::SetPrimitive(bool reduced) {
    species_.SetPrimitive(reduced);
}

void HeroBuilder::SetCyberSkill(bool taken) {
    species_.SetCyberSkill(taken);
}
