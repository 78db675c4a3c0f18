#include "dice/ui/TFrmDice.h"

#include "app/ui/ViewWidgets.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

TFrmDice::TFrmDice(QWidget* parent)
    : ToolWindow(tr("Die Roller"), "TFrmDice", parent), roller_(std::make_unique<DiceRoller>()) {
    auto* layout = new QVBoxLayout(this);

    GrdSteps = new QTableWidget(this);
    GrdSteps->setObjectName("GrdSteps");
    GrdSteps->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GrdSteps->setSelectionBehavior(QAbstractItemView::SelectRows);
    GrdSteps->setSelectionMode(QAbstractItemView::SingleSelection);
    GrdSteps->setTabKeyNavigation(false);
    GrdSteps->verticalHeader()->setVisible(false);
    GrdSteps->verticalHeader()->setMinimumSectionSize(GrdSteps->fontMetrics().height() + 4);
    GrdSteps->verticalHeader()->setDefaultSectionSize(GrdSteps->fontMetrics().height() + 8);
    GrdSteps->horizontalHeader()->setStretchLastSection(true);
    GrdSteps->horizontalHeader()->setSectionsClickable(false);
    GrdSteps->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    GrdSteps->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    GrdSteps->setToolTip(tr("Up and Down choose the step; Enter or Space rolls"));
    GrdSteps->installEventFilter(this);
    layout->addWidget(GrdSteps, 1);
    connect(GrdSteps, &QTableWidget::currentCellChanged, this,
            [this](int row) { roller_->ChooseStep(row); });
    connect(GrdSteps, &QTableWidget::cellDoubleClicked, this, &TFrmDice::Button2Click);

    // The buttons answer to their keys (Escape, Enter or Space) and leave the focus on the
    // steps, so the keys always reach the step choice.
    auto* buttons = new QHBoxLayout;
    Button1 = new QPushButton(tr("&Close"), this);
    Button1->setObjectName("Button1");
    Button2 = new QPushButton(tr("&Roll"), this);
    Button2->setObjectName("Button2");
    Button2->setDefault(true);
    for (QPushButton* button : {Button1, Button2}) {
        button->setFocusPolicy(Qt::NoFocus);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    connect(Button1, &QPushButton::clicked, this, &TFrmDice::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFrmDice::Button2Click);

    auto* outcome = new QHBoxLayout;
    LblRolls = new QLabel(this);
    LblRolls->setObjectName("LblRolls");
    LblRolls->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LblRolls->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* equals = new QLabel(QStringLiteral("="), this);
    LblResult = new QLabel(this);
    LblResult->setObjectName("LblResult");
    LblResult->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont big = LblResult->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.6);
    LblResult->setFont(big);
    // Room for the longest rolls line and result (-19 to 80) without the layout moving.
    LblRolls->setMinimumWidth(
        LblRolls->fontMetrics().horizontalAdvance(QStringLiteral(" (20 + 20 + 20) + 20")));
    LblResult->setMinimumWidth(QFontMetrics(big).horizontalAdvance(QStringLiteral("-888")));
    outcome->addWidget(LblRolls, 1);
    outcome->addWidget(equals);
    outcome->addWidget(LblResult);
    layout->addLayout(outcome);

    roller_->SetObserver(this);
    ViewsChanged({});

    // The whole list shows without scrolling.
    GrdSteps->resizeColumnsToContents();
    int width = 2 * GrdSteps->frameWidth();
    for (int c = 0; c < GrdSteps->columnCount(); ++c) {
        GrdSteps->setColumnWidth(c, GrdSteps->columnWidth(c) + 12);
        width += GrdSteps->columnWidth(c);
    }
    int height = 2 * GrdSteps->frameWidth() + GrdSteps->horizontalHeader()->sizeHint().height();
    for (int r = 0; r < GrdSteps->rowCount(); ++r)
        height += GrdSteps->rowHeight(r);
    GrdSteps->setMinimumSize(width, height);
    GrdSteps->setFocus();
    resize(sizeHint());
}

TFrmDice::~TFrmDice() {
    roller_->SetObserver(nullptr);
}

void TFrmDice::ViewsChanged(const std::set<std::string>& names) {
    const ViewData& views = roller_->Views();
    if (Touched(names, kDiceStepTable)) {
        const TableView& table = views.Table(kDiceStepTable);
        const QSignalBlocker blocker(GrdSteps);
        if (!table.empty()) {
            QStringList headers;
            for (const std::string& heading : table.front())
                headers << ToQt(heading);
            GrdSteps->setColumnCount(static_cast<int>(headers.size()));
            GrdSteps->setHorizontalHeaderLabels(headers);
        }
        GrdSteps->setRowCount(table.empty() ? 0 : static_cast<int>(table.size()) - 1);
        for (std::size_t r = 1; r < table.size(); ++r)
            for (std::size_t c = 0; c < table[r].size(); ++c)
                GrdSteps->setItem(static_cast<int>(r) - 1, static_cast<int>(c),
                                  new QTableWidgetItem(ToQt(table[r][c])));
    }
    if (Touched(names, kDiceStepChoice) || Touched(names, kDiceStepTable)) {
        const QSignalBlocker blocker(GrdSteps);
        const int row = views.Choice(kDiceStepChoice).index;
        GrdSteps->setCurrentCell(row, 0);
        GrdSteps->selectRow(row);
        if (GrdSteps->currentItem()) GrdSteps->scrollToItem(GrdSteps->currentItem());
    }
    if (Touched(names, kDiceRollsLabel)) RenderLabel(LblRolls, views.Label(kDiceRollsLabel));
    if (Touched(names, kDiceResultLabel)) {
        const LabelView& result = views.Label(kDiceResultLabel);
        LblResult->setText(ToQt(result.text));
        LblResult->setStyleSheet(result.red ? QStringLiteral("color: red;")
                                            : QStringLiteral("color: blue;"));
    }
}

void TFrmDice::Button1Click() {
    close();
}

void TFrmDice::Button2Click() {
    roller_->Roll();
}

void TFrmDice::showEvent(QShowEvent* event) {
    roller_->ChooseStep(kNoStep);
    GrdSteps->setFocus();
    ToolWindow::showEvent(event);
}

bool TFrmDice::eventFilter(QObject* watched, QEvent* event) {
    if (watched == GrdSteps && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            Button2Click();
            return true;
        default:
            break;
        }
    }
    return ToolWindow::eventFilter(watched, event);
}
