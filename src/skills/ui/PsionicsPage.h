#pragma once
// The Psionics page: the psionic tree and table (a purchase page on the psionic operations),
// under the title "Psionics", with the hero's psionic energy.

#include "skills/ui/PurchasePage.h"

class HeroBuilder;

class PsionicsPage : public PurchasePage {
    Q_OBJECT
public:
    PsionicsPage(HeroBuilder& builder, QWidget* parent = nullptr);
    void Render(const ViewData& views, const std::set<std::string>& changed) override;

    QLabel* LblEnergy = nullptr;
};
