#include "gear/Cyberware.h"

#include "hero/CheckedArithmetic.h"
#include "rules/RulesConfiguration.h"
#include "xml/ValueParsing.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

const TableRow kCatalogueHeader{"CyberTech", "PL",   "Qual",  "Mass",
                                "Size",      "Cost", "Skill", "NanoComp"};
const TableRow kInstalledHeader{"CyberTech", "PL", "Qual", "Mass", "Size", "Cost"};
constexpr const char* kCustomSource = "Custom";

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

bool IsCustom(const TCyberTech& item) {
    return Upper(item.Source) == "CUSTOM";
}

TCyberTech ReadItem(const XmlAttributes& attributes) {
    TCyberTech item; // the defaults of absent attributes
    for (const XmlAttribute& attribute : attributes) {
        const std::string name = Upper(attribute.name);
        const std::string& value = attribute.value;
        // A number that cannot be read keeps its default.
        if (name == "NAME")
            item.Name = value;
        else if (name == "NOTE")
            item.Note = value;
        else if (name == "SOURCE")
            item.Source = value;
        else if (name == "PL")
            item.PL = ParseInteger(value).value_or(item.PL);
        else if (name == "QUALITY")
            item.Quality = ParseInteger(value).value_or(item.Quality);
        else if (name == "SIZE")
            item.Size = ParseInteger(value).value_or(item.Size);
        else if (name == "COST")
            item.Cost = ParseInteger(value).value_or(item.Cost);
        else if (name == "MASS")
            item.Mass = ParseDecimal(value).value_or(item.Mass);
        else if (name == "MULTI")
            item.Multi = IsTrueText(value);
        else if (name == "NANOCOMPREQ")
            item.NanoCompReq = IsTrueText(value);
        else if (name == "SKILLREQ")
            item.SkillReq = IsTrueText(value);
    }
    return item;
}

TableRow InstalledRow(const TCyberTech& item) {
    return {item.Name,
            std::to_string(item.PL),
            QualityLetter(item.Quality),
            FormatDecimal(item.Mass),
            std::to_string(item.Size),
            std::to_string(item.Cost)};
}

} // namespace

std::string QualityLetter(int quality) {
    static const std::array<const char*, 4> kLetters{"?", "O", "G", "A"};
    if (quality < 0 || quality > 3) return "?";
    return kLetters[static_cast<std::size_t>(quality)];
}

std::vector<TCyberTech> ReadCyberCatalogue(const std::filesystem::path& file,
                                           XmlReadResult* result) {
    std::vector<TCyberTech> items;
    const XmlReadResult read = ReadXmlFile(
        file, XmlHandlers::ForTags([&items](const std::string& name, const XmlAttributes& a) {
            if (Upper(name) == "CYBERITEM") items.push_back(ReadItem(a));
        }));
    if (result) *result = read;
    return items;
}

CyberTrack CyberTolerance(int constitution, int cyberBonus, int installedSize) {
    const int total = AddClamped(constitution, cyberBonus);
    const int first = total / 2;
    const int third = (total - first) / 2;
    const int second = total - first - third;
    int rest = installedSize;
    CyberTrack track;
    const std::array<int, 3> tiers{first, second, third};
    for (std::size_t t = 0; t < tiers.size(); ++t) {
        const int tier = std::max(tiers[t], 0);
        const int used = std::clamp(rest, 0, tier);
        rest -= used;
        track.text += std::string(static_cast<std::size_t>(used), 'x');
        track.text += std::string(static_cast<std::size_t>(tier - used), 'q');
        if (t < 2) track.text += 's';
    }
    track.over = rest > 0;
    return track;
}

void Cyberware::LoadCyberTech() {
    HeroDocument::Operation operation(document_);
    XmlReadResult read;
    const auto file = document_.paths.InDataDir("cyberware.xml");
    fileEntries_.clear();
    for (TCyberTech& item : ReadCyberCatalogue(file, &read))
        if (rules_.ValidSource(item.Source)) fileEntries_.push_back(std::move(item));
    // A missing catalogue is no damage: the page simply offers nothing.
    if (read.opened) document_.ReportReadErrors(read);

    // Installed items stay in their order, unless their source went away.
    std::erase_if(document_.Hero.Cyberware,
                  [this](const TCyberTech& item) { return !rules_.ValidSource(item.Source); });
    document_.Touch(Aspect::Cyberware);
}

std::vector<TCyberTech> Cyberware::Catalogue() const {
    std::vector<TCyberTech> catalogue = fileEntries_;
    for (const TCyberTech& item : rules_.CyberCatalogue())
        if (IsCustom(item)) catalogue.push_back(item);
    return catalogue;
}

void Cyberware::Install(const TCyberTech& item) {
    HeroDocument::Operation operation(document_);
    document_.Hero.Cyberware.push_back(item);
    document_.SetChanged(true);
    document_.Touch(Aspect::Cyberware);
}

void Cyberware::Install(int row) {
    const std::vector<TCyberTech> catalogue = Catalogue();
    if (row < 1 || row > static_cast<int>(catalogue.size())) return;
    Install(catalogue[static_cast<std::size_t>(row - 1)]);
    // Installing past the tolerance is allowed; the person is warned.
    const THero& hero = document_.Hero;
    int size = 0;
    for (const TCyberTech& item : hero.Cyberware)
        size = AddClamped(size, item.Size);
    if (CyberTolerance(hero.Score[attCON], hero.CurrentSpecies.CyberBonus, size).over)
        document_.prompter.info(kCyberCykosis);
}

bool Cyberware::AddCyberware(const std::string& name) {
    for (const TCyberTech& item : Catalogue())
        if (item.Name == name) {
            Install(item);
            return true;
        }
    return false;
}

void Cyberware::Uninstall(int row) {
    auto& installed = document_.Hero.Cyberware;
    if (row < 1 || row > static_cast<int>(installed.size())) {
        document_.prompter.error("Select a piece of cyberware to remove.");
        return;
    }
    HeroDocument::Operation operation(document_);
    installed.erase(installed.begin() + (row - 1));
    document_.SetChanged(true);
    document_.Touch(Aspect::Cyberware);
}

CyberField Cyberware::AddCustomCyberware(const CustomCyberForm& form) {
    static const std::array<const char*, 5> kLevels{"5", "6", "7", "8", "9"};
    static const std::array<const char*, 3> kQualities{"O", "G", "A"};
    const auto refuse = [this](const char* message, CyberField field) {
        document_.prompter.error(message);
        return field;
    };
    if (form.name.empty()) return refuse("A Description is required", CyberField::Name);
    const auto level = std::find(kLevels.begin(), kLevels.end(), form.pl);
    if (level == kLevels.end()) return refuse("A PL is required", CyberField::PL);
    const auto quality = std::find(kQualities.begin(), kQualities.end(), form.quality);
    if (quality == kQualities.end()) return refuse("The Quality is required", CyberField::Quality);
    const auto mass = ParseDecimal(form.mass);
    if (!mass) return refuse("Mass must be numeric", CyberField::Mass);
    const auto size = ParseInteger(form.size);
    if (!size) return refuse("Size must be an integer", CyberField::Size);
    const auto cost = ParseInteger(form.cost);
    if (!cost) return refuse("Cost must be an integer", CyberField::Cost);
    const std::vector<TCyberTech> catalogue = Catalogue();
    const std::string upperName = Upper(form.name);
    if (std::any_of(catalogue.begin(), catalogue.end(),
                    [&](const TCyberTech& item) { return Upper(item.Name) == upperName; }))
        return refuse("Cyberware with that name already exists", CyberField::Name);

    HeroDocument::Operation operation(document_);
    TCyberTech item;
    item.Name = form.name;
    item.Source = kCustomSource;
    item.PL = 5 + static_cast<int>(level - kLevels.begin());
    item.Quality = 1 + static_cast<int>(quality - kQualities.begin());
    item.Mass = *mass;
    item.Size = *size;
    item.Cost = *cost;
    item.Note = form.details;
    item.SkillReq = form.skill;
    item.NanoCompReq = form.nanoComp;
    item.Multi = false;
    std::vector<TCyberTech> custom;
    for (const TCyberTech& entry : rules_.CyberCatalogue())
        if (IsCustom(entry)) custom.push_back(entry);
    custom.push_back(std::move(item));
    rules_.SetCustomCyberItems(std::move(custom));
    rules_.SaveDefaults();
    document_.Touch(Aspect::Cyberware);
    return CyberField::None;
}

void Cyberware::PaintCyberware() {
    ViewData& views = document_.Views;
    TableView catalogue{kCatalogueHeader};
    for (const TCyberTech& item : Catalogue()) {
        TableRow row = InstalledRow(item);
        row.push_back(item.SkillReq ? "X" : "");
        row.push_back(item.NanoCompReq ? "X" : "");
        catalogue.push_back(std::move(row));
    }
    views.SetTable(kCyberCatalogueTable, std::move(catalogue));

    const THero& hero = document_.Hero;
    TableView installed{kInstalledHeader};
    int cost = 0, size = 0;
    double mass = 0.0;
    for (const TCyberTech& item : hero.Cyberware) {
        installed.push_back(InstalledRow(item));
        cost = AddClamped(cost, item.Cost);
        size = AddClamped(size, item.Size);
        mass += item.Mass;
    }
    views.SetTable(kCyberwareTable, std::move(installed));
    views.SetLabel(kCyberCostLabel, std::to_string(cost));
    views.SetLabel(kCyberMassLabel, FormatDecimal(mass));
    views.SetLabel(kCyberSizeLabel, std::to_string(size));

    const CyberTrack track =
        CyberTolerance(hero.Score[attCON], hero.CurrentSpecies.CyberBonus, size);
    views.SetLabel(kCyberToleranceLabel, track.text);
    views.SetLabel(kCyberWarningLabel, track.over ? kCyberCykosis : "", true);
}
