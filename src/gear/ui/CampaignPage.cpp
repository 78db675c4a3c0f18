#include "gear/ui/CampaignPage.h"

#include "app/HeroBuilder.h"
#include "gear/ui/GearGrid.h"
#include "hero/AttributeScores.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
// A two-column grid tall enough for four rows.
QTableWidget* NewGrid(QWidget* parent, const QString& name, const QStringList& headings,
                      const QString& tip) {
    QTableWidget* grid = NewTwoColumnGrid(parent, name, tip);
    grid->setHorizontalHeaderLabels(headings);
    grid->setMinimumHeight(grid->horizontalHeader()->sizeHint().height() +
                           4 * grid->verticalHeader()->defaultSectionSize());
    return grid;
}
// The rows below the view's header row; the first column right-aligned.
void RenderGrid(QTableWidget* grid, const TableView& table) {
    grid->setRowCount(table.empty() ? 0 : static_cast<int>(table.size()) - 1);
    for (std::size_t r = 1; r < table.size(); ++r)
        for (std::size_t c = 0; c < 2; ++c) {
            auto* item = new QTableWidgetItem(ToQt(c < table[r].size() ? table[r][c] : ""));
            if (c == 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->setItem(static_cast<int>(r) - 1, static_cast<int>(c), item);
        }
}

int SelectedRow(const QTableWidget* grid) {
    const auto rows = grid->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : rows.first().row() + 1;
}

QLabel* NewValue(QWidget* parent, const QString& name) {
    auto* value = new QLabel(parent);
    value->setObjectName(name);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    return value;
}
} // namespace

CampaignPage::CampaignPage(HeroBuilder& builder, QWidget* parent)
    : QWidget(parent), builder_(builder) {
    setObjectName("PageCampaign");
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(BuildWealth(), 3);
    top->addWidget(BuildLastResort(), 2);
    layout->addLayout(top, 1);
    layout->addWidget(BuildAdjustments());
}

QWidget* CampaignPage::BuildWealth() {
    auto* group = new QGroupBox(tr("Wealth"), this);
    auto* column = new QVBoxLayout(group);
    auto* nameRow = new QHBoxLayout;
    auto* nameLabel = new QLabel(tr("New Account &Name"), group);
    EdNewAccount = new QLineEdit(group);
    EdNewAccount->setObjectName("EdNewAccount");
    nameLabel->setBuddy(EdNewAccount);
    CmdAddAccount = new QPushButton(tr("Add Account"), group);
    CmdAddAccount->setObjectName("CmdAddAccount");
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(EdNewAccount, 1);
    nameRow->addWidget(CmdAddAccount);
    column->addLayout(nameRow);
    SgAccounts = NewGrid(group, "SgAccounts", {tr("Amt"), tr("Account Name")},
                         tr("Click an account to list its entries; double-click it, or press "
                            "Delete, to remove it"));
    column->addWidget(SgAccounts, 1);

    auto* accountRow = new QHBoxLayout;
    accountRow->addWidget(new QLabel(tr("Account:"), group));
    LblAccount = new QLabel(group);
    LblAccount->setObjectName("LblAccount");
    accountRow->addWidget(LblAccount, 1);
    column->addLayout(accountRow);
    auto* entryRow = new QHBoxLayout;
    auto* amountLabel = new QLabel(tr("A&mount"), group);
    EdAmount = new QLineEdit(group);
    EdAmount->setObjectName("EdAmount");
    EdAmount->setMaximumWidth(110);
    amountLabel->setBuddy(EdAmount);
    EdAmtDesc = new QLineEdit(group);
    EdAmtDesc->setObjectName("EdAmtDesc");
    CmdAddDetail = new QPushButton(tr("Add"), group);
    CmdAddDetail->setObjectName("CmdAddDetail");
    entryRow->addWidget(amountLabel);
    entryRow->addWidget(EdAmount);
    entryRow->addWidget(new QLabel(tr("Description"), group));
    entryRow->addWidget(EdAmtDesc, 1);
    entryRow->addWidget(CmdAddDetail);
    column->addLayout(entryRow);
    SgAccountDetail =
        NewGrid(group, "SgAccountDetail", {tr("Amt"), tr("Description")},
                tr("Double-click an entry, or press Delete, to remove it and edit it again"));
    column->addWidget(SgAccountDetail, 1);

    connect(CmdAddAccount, &QPushButton::clicked, this, &CampaignPage::AddAccount);
    connect(CmdAddDetail, &QPushButton::clicked, this, &CampaignPage::AddDetail);
    connect(EdNewAccount, &QLineEdit::textEdited, this, [this] { MakeDefault(CmdAddAccount); });
    connect(EdAmount, &QLineEdit::textEdited, this, [this] { MakeDefault(CmdAddDetail); });
    connect(EdNewAccount, &QLineEdit::returnPressed, this, [this] { PressDefault(CmdAddAccount); });
    for (QLineEdit* field : {EdAmount, EdAmtDesc})
        connect(field, &QLineEdit::returnPressed, this, [this] { PressDefault(CmdAddDetail); });
    connect(SgAccounts, &QTableWidget::cellClicked, this,
            [this](int row, int) { builder_.Wealth().ChooseAccount(row + 1); });
    connect(SgAccounts, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { builder_.Wealth().RemoveAccount(row + 1); });
    connect(SgAccountDetail, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { RemoveDetail(row + 1); });
    SgAccounts->installEventFilter(this);
    SgAccountDetail->installEventFilter(this);
    return group;
}

QWidget* CampaignPage::BuildLastResort() {
    auto* group = new QGroupBox(tr("Last Resort Points"), this);
    auto* grid = new QGridLayout(group);
    RbLRPPlus = new QRadioButton(tr("+"), group);
    RbLRPPlus->setObjectName("RbLRPPlus");
    RbLRPPlus->setToolTip(tr("A point gained, bought at the current cost"));
    RbLRPMinus = new QRadioButton(tr("-"), group);
    RbLRPMinus->setObjectName("RbLRPMinus");
    RbLRPMinus->setToolTip(tr("A point spent"));
    RbLRPMinus->setChecked(true);
    EdLRPDesc = new QLineEdit(group);
    EdLRPDesc->setObjectName("EdLRPDesc");
    EdLRPDesc->setPlaceholderText(tr("Description"));
    CmdAddLRP = new QPushButton(tr("Add"), group);
    CmdAddLRP->setObjectName("CmdAddLRP");
    auto* entry = new QHBoxLayout;
    entry->addWidget(RbLRPPlus);
    entry->addWidget(RbLRPMinus);
    entry->addWidget(EdLRPDesc, 1);
    entry->addWidget(CmdAddLRP);
    grid->addLayout(entry, 0, 0, 1, 4);
    SgLRP = NewGrid(group, "SgLRP", {tr("Pts"), tr("Description")},
                    tr("Points gained (+1) and spent (-1)"));
    grid->addWidget(SgLRP, 1, 0, 1, 4);

    LblLRPPoints = NewValue(group, "LblLRPPoints");
    LblLRPMax = NewValue(group, "LblLRPMax");
    LblLRPCost = NewValue(group, "LblLRPCost");
    LblLRPTotal = NewValue(group, "LblLRPTotal");
    auto* held = new QHBoxLayout;
    held->addWidget(LblLRPPoints);
    held->addWidget(new QLabel(tr("of"), group));
    held->addWidget(LblLRPMax);
    held->addStretch(1);
    grid->addWidget(new QLabel(tr("Points:"), group), 2, 0);
    grid->addLayout(held, 2, 1);
    grid->addWidget(new QLabel(tr("Cost:"), group), 2, 2);
    grid->addWidget(LblLRPCost, 2, 3);
    grid->addWidget(new QLabel(tr("Total:"), group), 3, 2);
    grid->addWidget(LblLRPTotal, 3, 3);
    grid->setColumnStretch(1, 1);

    connect(CmdAddLRP, &QPushButton::clicked, this, &CampaignPage::AddLastResortPoint);
    connect(EdLRPDesc, &QLineEdit::textEdited, this, [this] { MakeDefault(CmdAddLRP); });
    connect(EdLRPDesc, &QLineEdit::returnPressed, this, [this] { PressDefault(CmdAddLRP); });
    return group;
}

QWidget* CampaignPage::BuildAdjustments() {
    auto* group = new QGroupBox(tr("Skill Point Used Adjustments"), this);
    group->setToolTip(tr("Enter a negative number to lower skill points used"));
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("Pts"), group), 0, 0);
    EdAdjPts = new QLineEdit(group);
    EdAdjPts->setObjectName("EdAdjPts");
    EdAdjPts->setMaximumWidth(60);
    EdAdjPts->setToolTip(group->toolTip());
    grid->addWidget(EdAdjPts, 0, 1);
    grid->addWidget(new QLabel(tr("Description"), group), 0, 2);
    EdAdjDesc = new QLineEdit(group);
    EdAdjDesc->setObjectName("EdAdjDesc");
    grid->addWidget(EdAdjDesc, 0, 3);
    CmdAdjSkillpts = new QPushButton(tr("Adjust"), group);
    CmdAdjSkillpts->setObjectName("CmdAdjSkillpts");
    grid->addWidget(CmdAdjSkillpts, 0, 4);
    SgAdjSkillPts = new QTableWidget(group);
    SgAdjSkillPts->setObjectName("SgAdjSkillPts");
    SgAdjSkillPts->setColumnCount(2);
    SgAdjSkillPts->setHorizontalHeaderLabels({"", ""});
    SgAdjSkillPts->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    SgAdjSkillPts->verticalHeader()->setVisible(false);
    SgAdjSkillPts->setSelectionBehavior(QAbstractItemView::SelectRows);
    SgAdjSkillPts->setSelectionMode(QAbstractItemView::SingleSelection);
    SgAdjSkillPts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SgAdjSkillPts->setToolTip(tr("Double-click an adjustment, or select it and press Delete, "
                                 "to remove it"));
    SgAdjSkillPts->installEventFilter(this);
    grid->addWidget(SgAdjSkillPts, 1, 0, 1, 5);

    connect(CmdAdjSkillpts, &QPushButton::clicked, this, &CampaignPage::Adjust);
    // Enter in either field adjusts, as the default button of the group would.
    connect(EdAdjPts, &QLineEdit::returnPressed, this, &CampaignPage::Adjust);
    connect(EdAdjDesc, &QLineEdit::returnPressed, this, &CampaignPage::Adjust);
    connect(SgAdjSkillPts, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { builder_.Budget().RemoveAdjustment(row + 1); });
    return group;
}

void CampaignPage::MakeDefault(QPushButton* button) {
    for (QPushButton* each : {CmdAddAccount, CmdAddDetail, CmdAddLRP})
        each->setDefault(each == button);
    defaultButton_ = button;
}

void CampaignPage::PressDefault(QPushButton* fallback) {
    (defaultButton_ ? defaultButton_ : fallback)->click();
}

void CampaignPage::AddAccount() {
    if (!builder_.Wealth().EnterAccount(EdNewAccount->text().toStdString())) {
        EdNewAccount->setFocus();
        return;
    }
    EdNewAccount->clear();
    EdAmount->setFocus();
}

void CampaignPage::AddDetail() {
    if (builder_.Wealth().EnterDetail(EdAmount->text().toStdString(),
                                      EdAmtDesc->text().toStdString())) {
        EdAmount->clear();
        EdAmtDesc->clear();
    }
    EdAmount->setFocus();
}

void CampaignPage::RemoveDetail(int row) {
    const auto removal = builder_.Wealth().RemoveDetail(row);
    if (!removal.fieldsChanged) return;
    EdAmount->setText(ToQt(removal.amount));
    EdAmtDesc->setText(ToQt(removal.description));
    if (removal.removed) EdAmount->setFocus();
}

void CampaignPage::AddLastResortPoint() {
    const auto direction = RbLRPPlus->isChecked() ? LastResortPoints::Direction::Gain
                                                  : LastResortPoints::Direction::Spend;
    if (!builder_.LastResortLedger().EnterPoint(direction, EdLRPDesc->text().toStdString())) return;
    EdLRPDesc->clear();
    EdLRPDesc->setFocus();
}

void CampaignPage::Adjust() {
    const auto result = builder_.Budget().EnterAdjustment(EdAdjPts->text().toStdString(),
                                                          EdAdjDesc->text().toStdString());
    if (result.added) {
        EdAdjPts->clear();
        EdAdjDesc->clear();
    }
    (result.focus == SkillBudget::Focus::Points ? EdAdjPts : EdAdjDesc)->setFocus();
}

void CampaignPage::RemoveSelectedAdjustment() {
    const auto rows = SgAdjSkillPts->selectionModel()->selectedRows();
    // With several adjustments and none selected there is nothing to choose from; the one
    // row left (an adjustment or the empty row) answers as a double click on it would.
    if (rows.isEmpty() && SgAdjSkillPts->rowCount() > 1) return;
    builder_.Budget().RemoveAdjustment(rows.isEmpty() ? 1 : rows.first().row() + 1);
}

bool CampaignPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        if (watched == SgAdjSkillPts) {
            RemoveSelectedAdjustment();
            return true;
        }
        if (watched == SgAccounts) {
            builder_.Wealth().RemoveAccount(SelectedRow(SgAccounts));
            return true;
        }
        if (watched == SgAccountDetail) {
            RemoveDetail(SelectedRow(SgAccountDetail));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CampaignPage::showEvent(QShowEvent* event) {
    // Each visit starts with "-": a point spent costs nothing if chosen by mistake.
    RbLRPMinus->setChecked(true);
    QWidget::showEvent(event);
}

void CampaignPage::Render(const ViewData& views, const std::set<std::string>& changed) {
    if (Touched(changed, kAccountsTable)) {
        RenderGrid(SgAccounts, views.Table(kAccountsTable));
        SgAccounts->clearSelection();
        const auto& current = builder_.Wealth().CurrentAccount();
        const TableView& accounts = views.Table(kAccountsTable);
        for (std::size_t r = 1; r < accounts.size(); ++r)
            if (current && accounts[r].size() > 1 && accounts[r][1] == *current)
                SgAccounts->selectRow(static_cast<int>(r) - 1);
    }
    if (Touched(changed, kAccountDetailTable))
        RenderGrid(SgAccountDetail, views.Table(kAccountDetailTable));
    if (Touched(changed, kLastResortTable)) RenderGrid(SgLRP, views.Table(kLastResortTable));
    const std::pair<QLabel*, LabelName> labels[] = {{LblAccount, kAccountLabel},
                                                    {LblLRPPoints, kLastResortPointsLabel},
                                                    {LblLRPMax, kLastResortMaxLabel},
                                                    {LblLRPCost, kLastResortCostLabel},
                                                    {LblLRPTotal, kLastResortTotalLabel}};
    for (const auto& [label, name] : labels)
        if (Touched(changed, name)) RenderLabel(label, views.Label(name));

    if (!Touched(changed, kAdjustmentTable)) return;
    const TableView& table = views.Table(kAdjustmentTable);
    SgAdjSkillPts->setRowCount(table.empty() ? 0 : static_cast<int>(table.size()) - 1);
    for (std::size_t r = 1; r < table.size(); ++r)
        for (std::size_t c = 0; c < 2 && c < table[r].size(); ++c)
            SgAdjSkillPts->setItem(static_cast<int>(r) - 1, static_cast<int>(c),
                                   new QTableWidgetItem(ToQt(table[r][c])));
}
