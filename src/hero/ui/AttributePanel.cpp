#include "hero/ui/AttributePanel.h"

#include "app/HeroBuilder.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {
// An up/down control without a text of its own: the total beside it shows the score.
class ArrowSpinner : public QSpinBox {
public:
    explicit ArrowSpinner(QWidget* parent) : QSpinBox(parent) {
        setButtonSymbols(QAbstractSpinBox::UpDownArrows);
        lineEdit()->setReadOnly(true);
        lineEdit()->setMaximumWidth(0);
        setFixedWidth(20);
        // Up and Down step the score when the spinner has the focus.
        setFocusPolicy(Qt::StrongFocus);
    }
};

QGroupBox* Group(const QString& title, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    // Close rows leave the page below the panel more room on a small screen.
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(2);
    return box;
}

void AddRow(QGroupBox* box, int row, const QString& caption, QWidget* value) {
    auto* grid = static_cast<QGridLayout*>(box->layout());
    grid->addWidget(new QLabel(caption, box), row, 0);
    grid->addWidget(value, row, 1);
}
} // namespace

QLabel* AttributePanel::AddValue(LabelName view, QWidget* parent) {
    const QString viewName = ToQt(view.Key());
    auto* label = new QLabel(parent);
    label->setObjectName("Lbl" + QString(viewName).remove('.'));
    label->setMinimumWidth(viewName.endsWith("Limits") ? 44 : 28);
    labels_.emplace_back(view, label);
    return label;
}

AttributePanel::AttributePanel(HeroBuilder& builder, QWidget* parent)
    : QWidget(parent), builder_(builder) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);

    auto* attributes = Group(tr("Attributes"), this);
    auto* grid = static_cast<QGridLayout*>(attributes->layout());
    const QStringList headers{"", tr("Base"), tr("Total"), "", tr("Res"), tr("Ut"), tr("n/x")};
    const QStringList headerTips{
        "",
        "",
        "",
        "",
        tr("Resistance modifier that the total score gives (STR, DEX, INT and WIL only)"),
        tr("Untrained score: half the total, used for skills the hero has not bought"),
        tr("Limits: the lowest and the highest score allowed, as minimum/maximum")};
    for (int c = 0; c < headers.size(); ++c) {
        auto* header = new QLabel(headers[c], attributes);
        header->setToolTip(headerTips[c]);
        grid->addWidget(header, 0, c);
    }
    for (int a = 0; a < kAttributeCount; ++a) {
        const QString name = ToQt(kAttributeNames[static_cast<std::size_t>(a)]);
        grid->addWidget(new QLabel(name, attributes), a + 1, 0);
        auto makeField = [&](const QString& objectName) {
            auto* field = new QLineEdit(attributes);
            field->setObjectName(objectName);
            field->setReadOnly(true);
            field->setMaximumWidth(40);
            field->setAlignment(Qt::AlignRight);
            field->setToolTip(tr("Up or w raises, Down or q lowers"));
            field->installEventFilter(this);
            return field;
        };
        bases_[a] = makeField("EdBase" + name);
        totals_[a] = makeField("Ed" + name);
        auto* spinner = new ArrowSpinner(attributes);
        spinner->setObjectName("UD" + name);
        spinner->setRange(0, 99);
        spinners_[a] = spinner;
        connect(spinner, &QSpinBox::valueChanged, this,
                [this, a](int value) { builder_.Attributes().SetScore(a, value); });
        grid->addWidget(bases_[a], a + 1, 1);
        grid->addWidget(totals_[a], a + 1, 2);
        grid->addWidget(spinner, a + 1, 3);
        const std::string attribute = kAttributeNames[static_cast<std::size_t>(a)];
        if (ShowsResistanceModifier(a))
            grid->addWidget(AddValue(AttributeLabel(a, AttributeColumn::Res), attributes), a + 1,
                            4);
        grid->addWidget(AddValue(AttributeLabel(a, AttributeColumn::Ut), attributes), a + 1, 5);
        grid->addWidget(AddValue(AttributeLabel(a, AttributeColumn::Limits), attributes), a + 1, 6);
    }
    grid->addWidget(new QLabel(tr("Cost"), attributes), kAttributeCount + 1, 0);
    grid->addWidget(AddValue(kAttributeCostLabel, attributes), kAttributeCount + 1, 1);
    row->addWidget(attributes, 0, Qt::AlignTop);

    auto* action = Group(tr("Action Check"), this);
    AddRow(action, 0, tr("Marginal"), AddValue(kActionMarginalLabel, action));
    AddRow(action, 1, tr("Ordinary"), AddValue(kActionOrdinaryLabel, action));
    AddRow(action, 2, tr("Good"), AddValue(kActionGoodLabel, action));
    AddRow(action, 3, tr("Amazing"), AddValue(kActionAmazingLabel, action));
    AddRow(action, 4, tr("Die"), AddValue(kActionDieLabel, action));
    AddRow(action, 5, tr("Actions"), AddValue(kActionsLabel, action));
    row->addWidget(action, 0, Qt::AlignTop);

    auto* movement = Group(tr("Movement"), this);
    AddRow(movement, 0, tr("Sprint"), AddValue(kSprintLabel, movement));
    AddRow(movement, 1, tr("Run"), AddValue(kRunLabel, movement));
    AddRow(movement, 2, tr("Walk"), AddValue(kWalkLabel, movement));
    AddRow(movement, 3, tr("Easy Swim"), AddValue(kEasySwimLabel, movement));
    AddRow(movement, 4, tr("Swim"), AddValue(kSwimLabel, movement));
    AddRow(movement, 5, tr("Glide"), AddValue(kGlideLabel, movement));
    AddRow(movement, 6, tr("Fly"), AddValue(kFlyLabel, movement));
    row->addWidget(movement, 0, Qt::AlignTop);

    auto* durability = Group(tr("Durability"), this);
    AddRow(durability, 0, tr("Stun"), AddValue(kStunLabel, durability));
    AddRow(durability, 1, tr("Wound"), AddValue(kWoundLabel, durability));
    AddRow(durability, 2, tr("Mortal"), AddValue(kMortalLabel, durability));
    AddRow(durability, 3, tr("Fatigue"), AddValue(kFatigueLabel, durability));
    row->addWidget(durability, 0, Qt::AlignTop);

    auto* lastResort = Group(tr("Last Resort"), this);
    AddRow(lastResort, 0, tr("Cost"), AddValue(kLastResortCostLabel, lastResort));
    AddRow(lastResort, 1, tr("Maximum"), AddValue(kLastResortMaxLabel, lastResort));
    row->addWidget(lastResort, 0, Qt::AlignTop);
    row->addStretch(1);
}

bool AttributePanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        for (int a = 0; a < kAttributeCount; ++a) {
            if (watched != bases_[a] && watched != totals_[a]) continue;
            const QString text = key->text();
            const bool raise = text == "w" || key->key() == Qt::Key_Up;
            const bool lower = text == "q" || key->key() == Qt::Key_Down;
            if (raise || lower) {
                builder_.Attributes().StepScore(a, raise ? 'w' : 'q');
                return true;
            }
            // Tab and the other navigation keys move on; nothing else is typed.
            return key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void AttributePanel::Render(const ViewData& views, const std::set<std::string>& changed) {
    for (const auto& [name, label] : labels_)
        if (Touched(changed, name)) RenderLabel(label, views.Label(name));
    const AttributeLimits limits = builder_.Attributes().Limits();
    for (int a = 0; a < kAttributeCount; ++a) {
        RenderText(bases_[a], views.Label(AttributeLabel(a, AttributeColumn::Base)));
        RenderText(totals_[a], views.Label(AttributeLabel(a, AttributeColumn::Total)));
        const QSignalBlocker blocker(spinners_[a]);
        spinners_[a]->setRange(limits.Min[static_cast<std::size_t>(a)],
                               std::max(limits.Min[static_cast<std::size_t>(a)],
                                        limits.Max[static_cast<std::size_t>(a)]));
        spinners_[a]->setValue(builder_.Hero().Score[static_cast<std::size_t>(a)]);
    }
}
