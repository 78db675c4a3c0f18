#include "skills/ui/PsionicsPage.h"

#include "app/HeroBuilder.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

PsionicsPage::PsionicsPage(HeroBuilder& builder, QWidget* parent)
    : PurchasePage({.name = "Psionics",
                    .prefix = "Psi",
                    .title = tr("Psionics"),
                    .tree = kPsionicTree,
                    .table = kPsionicTable,
                    .buy = [&builder](int node) { return builder.Psionics().BuyPsionic(node); },
                    .raise = [&builder](int row) { builder.Psionics().RaiseRowRank(row); },
                    .lower = [&builder](int row) { builder.Psionics().LowerRowRank(row); },
                    .remove = [&builder](int row) { builder.Psionics().RemovePsionic(row); }},
                   parent) {
    auto* energy = new QHBoxLayout;
    energy->addWidget(new QLabel(tr("Psionic Energy:"), this));
    LblEnergy = new QLabel(this);
    LblEnergy->setObjectName("LblPsiEnergy");
    energy->addWidget(LblEnergy);
    energy->addStretch(1);
    static_cast<QVBoxLayout*>(layout())->addLayout(energy);
}

void PsionicsPage::Render(const ViewData& views, const std::set<std::string>& changed) {
    PurchasePage::Render(views, changed);
    if (Touched(changed, kPsionicEnergyLabel))
        RenderLabel(LblEnergy, views.Label(kPsionicEnergyLabel));
}
