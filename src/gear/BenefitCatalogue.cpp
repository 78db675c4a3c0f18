#include "gear/BenefitCatalogue.h"

#include "hero/BonusAttributes.h"
#include "hero/NumberRanges.h"

#include <utility>

namespace {
void ReadBenefitAttribute(TBenefit& benefit, const std::string& upper, const std::string& value) {
    if (upper == "NAME") {
        benefit.Name = value;
        return;
    }
    if (upper == "SOURCE") {
        benefit.Source = value;
        return;
    }
    const std::pair<const char*, int TBenefit::*> costs[] = {
        {"CCOST", &TBenefit::CCost}, {"DCOST", &TBenefit::DCost}, {"FCOST", &TBenefit::FCost},
        {"TCOST", &TBenefit::TCost}, {"MCOST", &TBenefit::MCost}};
    for (const auto& [name, field] : costs)
        if (upper == name) {
            benefit.*field = ParseIntegerIn(value, kSkillPointRange).value_or(0);
            return;
        }
    const std::pair<const char*, int TBenefit::*> levels[] = {
        {"CLEVEL", &TBenefit::CLevel}, {"DLEVEL", &TBenefit::DLevel}, {"FLEVEL", &TBenefit::FLevel},
        {"TLEVEL", &TBenefit::TLevel}, {"MLEVEL", &TBenefit::MLevel}};
    for (const auto& [name, field] : levels)
        if (upper == name) {
            benefit.*field = ParseIntegerIn(value, kBenefitLevelRange).value_or(100);
            return;
        }
    ReadBonusAttribute(benefit, upper, value);
}
} // namespace

std::vector<TBenefit> ReadBenefitCatalogue(const std::filesystem::path& file,
                                           XmlReadResult* readResult) {
    std::vector<TBenefit> catalogue;
    auto result = ReadXmlFile(file, XmlHandlers::ForTags([&](const std::string& element,
                                                             const XmlAttributes& attributes) {
        if (UpperCase(element) != "BENEFIT") return;
        TBenefit benefit;
        for (const auto& [name, value] : attributes)
            ReadBenefitAttribute(benefit, UpperCase(name), value);
        catalogue.push_back(std::move(benefit));
    }));
    if (readResult) *readResult = std::move(result);
    return catalogue;
}
